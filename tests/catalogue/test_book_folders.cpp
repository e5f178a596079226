// The book's folders on crafted trees: the portable layout answers exactly
// as the program folder always did; the installed one reads the user's folder
// first, lists and numbers across both folders and writes and cleans only the
// user's folder.
#include "catalogue/book_folders.h"

#include "platform/files.h"
#include "tests/support/test_folder.h"

#include <QDir>
#include <QFile>
#include <QTest>

using catalogue::BookFolders;
using catalogue::setNameOf;
using testsupport::TestFolder;

namespace {

// A tree with an installed prefix "usr" (bin/, share/tintaro/, etc/tintaro/)
// and a data home "home/.local/share".
struct InstalledTree {
    TestFolder root;
    QString bin() const { return root.file("usr/bin"); }
    QString dataHome() const { return root.file("home/.local/share"); }
    QString settings() const { return root.file("usr/etc/tintaro"); }
    QString shipped(const QString& relative) const { return root.file("usr/share/tintaro" + relative); }
    QString user(const QString& relative) const { return root.file("home/.local/share/tintaro" + relative); }
    BookFolders folders() const { return BookFolders(bin(), dataHome(), settings()); }

    InstalledTree()
    {
        QVERIFY(QDir().mkpath(bin()));
        QVERIFY(QDir().mkpath(shipped("/logos")));
    }
    void put(const QString& path) const { root.writeText(QDir(root.path()).relativeFilePath(path), "x"); }
    void putPages(const QString& prefix, const QString& set, const QList<int>& pages) const
    {
        for (int n : pages)
            put(prefix + QString("/dibujos/%1/%2.gif").arg(set).arg(n));
    }
};

} // namespace

class TestBookFolders : public QObject {
    Q_OBJECT
private slots:
    void portableAnswersAreTheProgramFolder();
    void installedFoldersFollowTheExecutableAndTheHome();
    void homeFromTheEnvironment();
    void userFilesOverrideShippedOnes();
    void settingsUserThenSystemThenShipped();
    void setListIsTheUnionInOneOrder();
    void pagesAreNumberedAcrossBothFolders();
    void copiesLiveInTheUserFolderOnly();
    void cleanUpTouchesOnlyTheUserFolder();
    void portableCleanUpStopsAtTheFirstMissingPage();
    void namesThatWouldLeaveAFolderAreRefused();
    void withoutAHomeNothingIsWritable();
};

void TestBookFolders::portableAnswersAreTheProgramFolder()
{
    TestFolder program;
    program.writeText("logos/animales.gif", "x");
    InstalledTree other; // a user folder with files of its own must change nothing
    other.put(other.user("/sonidos/sonido1.wav"));
    other.put(other.user("/configuracion/borra.txt"));
    const QString exe = program.path();
    const BookFolders folders(exe, other.dataHome(), other.settings());
    QVERIFY(folders.isPortable());
    QCOMPARE(folders.shippedFolder(), exe);
    QCOMPARE(folders.writableFolder(), exe);
    // Exactly the program folder followed by the relative path, present or not.
    QCOMPARE(folders.readPath("/sonidos/sonido1.wav"), exe + "/sonidos/sonido1.wav");
    QCOMPARE(folders.readPath("/fondo.jpg"), exe + "/fondo.jpg");
    QCOMPARE(folders.writePath("/dibujos/animales/3.bmp"), exe + "/dibujos/animales/3.bmp");
    QCOMPARE(folders.settingPath("borra.txt"), exe + "/configuracion/borra.txt");
    QCOMPARE(folders.pagePath("animales", 3), exe + "/dibujos/animales/3.gif");
    QCOMPARE(folders.copyPath("animales", 3), exe + "/dibujos/animales/3.bmp");
    QCOMPARE(folders.setEntries(), QStringList{"animales.gif"});
    QCOMPARE(BookFolders(exe).readPath("/gifs/pato.gif"), exe + "/gifs/pato.gif");
}

void TestBookFolders::installedFoldersFollowTheExecutableAndTheHome()
{
    InstalledTree tree;
    const BookFolders folders = tree.folders();
    QVERIFY(!folders.isPortable());
    QCOMPARE(folders.shippedFolder(), tree.shipped(""));
    QCOMPARE(folders.writableFolder(), tree.user(""));
    QCOMPARE(folders.writePath("/dibujos/animales/9.gif"), tree.user("/dibujos/animales/9.gif"));
    QCOMPARE(folders.readPath("/fondo.jpg"), tree.shipped("/fondo.jpg"));
    // The prefix moves with the executable; its settings are <prefix>/etc/tintaro,
    // except for the system's own prefix.
    QCOMPARE(BookFolders(tree.bin()).settingsFolder(), tree.settings());
    QCOMPARE(BookFolders(tree.bin() + "/").shippedFolder(), tree.shipped(""));
    QCOMPARE(BookFolders("/usr/bin").settingsFolder(), QString("/etc/tintaro"));
    QCOMPARE(BookFolders("/usr/bin").shippedFolder(), QString("/usr/share/tintaro"));
    QCOMPARE(BookFolders("/usr/local/bin").settingsFolder(), QString("/usr/local/etc/tintaro"));
}

void TestBookFolders::homeFromTheEnvironment()
{
    InstalledTree tree;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", tree.root.file("home").toUtf8());
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(BookFolders(tree.bin()).writableFolder(), tree.user(""));
    qputenv("XDG_DATA_HOME", tree.root.file("data").toUtf8());
    QCOMPARE(BookFolders(tree.bin()).writableFolder(), tree.root.file("data/tintaro"));
    qputenv("XDG_DATA_HOME", "relative/data"); // ignored, as the XDG rules say
    QCOMPARE(BookFolders(tree.bin()).writableFolder(), tree.user(""));
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(BookFolders(tree.bin()).writableFolder(), QString());
    qputenv("HOME", savedHome);
    if (!savedXdg.isEmpty())
        qputenv("XDG_DATA_HOME", savedXdg);
}

void TestBookFolders::userFilesOverrideShippedOnes()
{
    InstalledTree tree;
    for (const char* name : {"/sonidos/sonido1.wav", "/sonidos/sonido2.wav", "/texturas/a.bmp", "/fondo.jpg"})
        tree.put(tree.shipped(name));
    tree.put(tree.user("/sonidos/sonido1.wav"));
    tree.put(tree.user("/texturas/b.bmp"));
    tree.put(tree.user("/texturas/a.bmp"));
    tree.put(tree.user("/FONDO.JPG")); // another name, not this resource
    QVERIFY(QDir().mkpath(tree.user("/sonidos/sonido2.wav"))); // a folder is no file
    const BookFolders folders = tree.folders();
    QCOMPARE(folders.readPath("/sonidos/sonido1.wav"), tree.user("/sonidos/sonido1.wav"));
    QCOMPARE(folders.readPath("/sonidos/sonido2.wav"), tree.shipped("/sonidos/sonido2.wav"));
    QCOMPARE(folders.readPath("/fondo.jpg"), tree.shipped("/fondo.jpg"));
    QCOMPARE(folders.readPath("/sonidos/sonido3.wav"), tree.shipped("/sonidos/sonido3.wav"));
    QCOMPARE(folders.listing("/texturas"), (QStringList{"a.bmp", "b.bmp"}));
    QCOMPARE(folders.readPath("/texturas/a.bmp"), tree.user("/texturas/a.bmp"));
    QCOMPARE(folders.readPath("/texturas/b.bmp"), tree.user("/texturas/b.bmp"));
    // A link the user made to a plain file counts as the user's file.
    QVERIFY(QFile::link(tree.shipped("/sonidos/sonido2.wav"), tree.user("/sonidos/sonido4.wav")));
    QCOMPARE(folders.readPath("/sonidos/sonido4.wav"), tree.user("/sonidos/sonido4.wav"));
}

void TestBookFolders::settingsUserThenSystemThenShipped()
{
    InstalledTree tree;
    tree.put(tree.shipped("/configuracion/borra.txt"));
    tree.put(tree.shipped("/configuracion/impresora.txt"));
    const BookFolders folders = tree.folders();
    QCOMPARE(folders.settingPath("borra.txt"), tree.shipped("/configuracion/borra.txt"));
    tree.put(tree.settings() + "/borra.txt");
    tree.put(tree.settings() + "/impresora.txt");
    QCOMPARE(folders.settingPath("borra.txt"), tree.settings() + "/borra.txt");
    tree.put(tree.user("/configuracion/impresora.txt"));
    tree.put(tree.user("/configuracion/BORRA.TXT")); // not borra.txt
    QCOMPARE(folders.settingPath("impresora.txt"), tree.user("/configuracion/impresora.txt"));
    QCOMPARE(folders.settingPath("borra.txt"), tree.settings() + "/borra.txt");
    QCOMPARE(BookFolders(tree.bin(), tree.dataHome(), QString()).settingPath("borra.txt"),
             tree.shipped("/configuracion/borra.txt"));
}

void TestBookFolders::setListIsTheUnionInOneOrder()
{
    InstalledTree tree;
    const QStringList shipped{"animales.gif", "mar.gif", "pequenos.gif", "Zoo.gif"};
    const QStringList mine{"mis dibujos.gif", "animales.gif", "ñandú.gif", "Árboles.gif", "a.gif", ".oculto.gif"};
    TestFolder both; // one folder holding every name: the order to keep
    for (const QString& name : shipped) {
        tree.put(tree.shipped("/logos/" + name));
        both.writeText("logos/" + name, "x");
    }
    const BookFolders folders = tree.folders();
    QCOMPARE(folders.setEntries(), platform::listPlainFiles(both.file("logos"))); // no user folder yet
    for (const QString& name : mine) {
        tree.put(tree.user("/logos/" + name));
        both.writeText("logos/" + name, "x");
    }
    QVERIFY(QDir().mkpath(tree.user("/logos/carpeta.gif")));
    const QStringList entries = folders.setEntries();
    QCOMPARE(entries, platform::listPlainFiles(both.file("logos")));
    QCOMPARE(entries.count("animales.gif"), 1);
    QCOMPARE(entries.size(), 8);
    QCOMPARE(folders.readPath("/logos/animales.gif"), tree.user("/logos/animales.gif"));
    QCOMPARE(folders.readPath("/logos/mar.gif"), tree.shipped("/logos/mar.gif"));
}

void TestBookFolders::pagesAreNumberedAcrossBothFolders()
{
    InstalledTree tree;
    tree.putPages(tree.shipped(""), "animales", {1, 2, 3, 4, 5, 6, 7, 8});
    tree.putPages(tree.user(""), "animales", {9, 10, 12});
    tree.putPages(tree.user(""), "animales", {3});
    tree.putPages(tree.user(""), "mis dibujos", {1, 2});
    tree.putPages(tree.shipped(""), "mar", {1, 2});
    tree.putPages(tree.user(""), "mar", {4}); // after a gap: never reached
    const BookFolders folders = tree.folders();
    QCOMPARE(folders.pageCount("animales"), 10);
    QCOMPARE(folders.pagePath("animales", 2), tree.shipped("/dibujos/animales/2.gif"));
    QCOMPARE(folders.pagePath("animales", 3), tree.user("/dibujos/animales/3.gif"));
    QCOMPARE(folders.pagePath("animales", 9), tree.user("/dibujos/animales/9.gif"));
    QCOMPARE(folders.pageCount("mis dibujos"), 2);
    QCOMPARE(folders.pageCount("mar"), 2);
    QCOMPARE(folders.pageCount("nada"), 0);
    // The importer's next page goes after the last one counted.
    QCOMPARE(folders.writePath(QString("/dibujos/animales/%1.gif").arg(folders.pageCount("animales") + 1)),
             tree.user("/dibujos/animales/11.gif"));
}

void TestBookFolders::copiesLiveInTheUserFolderOnly()
{
    InstalledTree tree;
    tree.putPages(tree.shipped(""), "animales", {1, 2});
    tree.put(tree.shipped("/dibujos/animales/1.bmp")); // shipped by mistake: never shown
    const BookFolders folders = tree.folders();
    QCOMPARE(folders.copyPath("animales", 1), tree.user("/dibujos/animales/1.bmp"));
    QCOMPARE(folders.copyPath("animales", 2), tree.user("/dibujos/animales/2.bmp"));
}

void TestBookFolders::cleanUpTouchesOnlyTheUserFolder()
{
    InstalledTree tree;
    tree.put(tree.shipped("/logos/animales.gif"));
    tree.put(tree.user("/logos/mis dibujos.gif"));
    tree.put(tree.shipped("/logos/abc")); // no set name can be formed
    tree.putPages(tree.shipped(""), "animales", {1, 2, 3});
    tree.putPages(tree.user(""), "animales", {4, 6});
    tree.putPages(tree.user(""), "mis dibujos", {1});
    for (const char* copy : {"animales/1.bmp", "animales/3.bmp", "animales/4.bmp", "animales/6.bmp",
                                "mis dibujos/1.bmp", "sueltos/1.bmp"})
        tree.put(tree.user(QString("/dibujos/") + copy));
    tree.put(tree.shipped("/dibujos/animales/2.bmp"));
    const QStringList expected{tree.user("/dibujos/animales/1.bmp"), tree.user("/dibujos/animales/3.bmp"),
                               tree.user("/dibujos/animales/4.bmp"), tree.user("/dibujos/mis dibujos/1.bmp")};
    QCOMPARE(tree.folders().copiesToClear(), expected);
}

void TestBookFolders::portableCleanUpStopsAtTheFirstMissingPage()
{
    TestFolder program;
    program.writeText("logos/animales.gif", "x");
    for (const char* name : {"1.gif", "2.gif", "4.gif", "1.bmp", "2.bmp", "4.bmp", "3.BMP"})
        program.writeText(QString("dibujos/animales/") + name, "x");
    const BookFolders folders(program.path(), QString(), QString());
    QCOMPARE(folders.pageCount("animales"), 2);
    QCOMPARE(folders.copiesToClear(), (QStringList{program.file("dibujos/animales/1.bmp"),
                                                    program.file("dibujos/animales/2.bmp")}));
}

void TestBookFolders::namesThatWouldLeaveAFolderAreRefused()
{
    QCOMPARE(setNameOf("animales.gif"), QString("animales"));
    QCOMPARE(setNameOf("ab.jpeg"), QString("ab."));
    QCOMPARE(setNameOf("....gif"), QString("..."));
    const QStringList refused{"", "a.g", ".gif", "..gif", "...gif", "a/b.gif", QString("a") + QChar(0) + "b.gif"};
    for (const QString& entry : refused)
        QVERIFY2(setNameOf(entry).isEmpty(), qPrintable(entry));
    TestFolder program;
    program.writeText("logos/animales.gif", "x");
    InstalledTree tree;
    for (const BookFolders& folders : {BookFolders(program.path(), QString(), QString()), tree.folders()}) {
        for (const char* set : {"", ".", "..", "../..", "a/b", "/etc"}) {
            QVERIFY2(folders.pagePath(set, 1).isEmpty(), set);
            QVERIFY2(folders.copyPath(set, 1).isEmpty(), set);
            QCOMPARE(folders.pageCount(set), 0);
        }
        const QStringList outside{"/../x.bmp", "/dibujos/../../x.bmp", "/dibujos/a/..", "x.bmp", "",
                                  "/a" + QString(QChar(0)) + "b"};
        for (const QString& relative : outside) {
            QVERIFY2(folders.readPath(relative).isEmpty(), qPrintable(relative));
            QVERIFY2(folders.writePath(relative).isEmpty(), qPrintable(relative));
        }
        QVERIFY(folders.listing("/..").isEmpty());
        QVERIFY(folders.settingPath("../borra.txt").isEmpty());
        QVERIFY(folders.settingPath("..").isEmpty());
    }
}

void TestBookFolders::withoutAHomeNothingIsWritable()
{
    InstalledTree tree;
    tree.putPages(tree.shipped(""), "animales", {1, 2});
    tree.put(tree.shipped("/logos/animales.gif"));
    tree.put(tree.shipped("/configuracion/borra.txt"));
    const BookFolders folders(tree.bin(), QString(), tree.settings());
    QCOMPARE(folders.writableFolder(), QString());
    QCOMPARE(folders.writePath("/dibujos/animales/1.bmp"), QString());
    QCOMPARE(folders.copyPath("animales", 1), QString());
    QCOMPARE(folders.copiesToClear(), QStringList());
    QCOMPARE(folders.pageCount("animales"), 2);
    QCOMPARE(folders.pagePath("animales", 1), tree.shipped("/dibujos/animales/1.gif"));
    QCOMPARE(folders.settingPath("borra.txt"), tree.shipped("/configuracion/borra.txt"));
    QCOMPARE(folders.setEntries(), QStringList{"animales.gif"});
}

QTEST_GUILESS_MAIN(TestBookFolders)
#include "test_book_folders.moc"
