// tintaro-import in the installed layout: pages go to the user's folder,
// numbered after the shipped pages of a set; the shipped book is never
// written; a home that cannot be written gets nothing and a clear failure.
#include "import_command.h"

#include "platform/book_folders.h"
#include "tests/support/test_folder.h"

#include <QtTest>

using testsupport::TestFolder;

namespace {

QImage drawing(int boxes) { return testsupport::boxesInARow({800, 300}, {30, 40, 120, 200}, 150, boxes); }

// bin/ without a book beside it, the shipped set "animales" of two pages in
// share/tintaro, and pictures to import.
struct InstalledTree {
    TestFolder root;
    InstalledTree()
    {
        QVERIFY(QDir().mkpath(root.file("bin")));
        root.writeImage("share/tintaro/logos/animales.gif", drawing(1).scaled(57, 67));
        root.writeImage("share/tintaro/dibujos/animales/1.gif", drawing(2));
        root.writeImage("share/tintaro/dibujos/animales/2.gif", drawing(3));
        root.writeImage("pictures/a.png", drawing(1));
        root.writeImage("pictures/b.png", drawing(4));
    }
    // Runs the importer of bin/ for the user whose data home is `home`.
    int run(const QString& home, const QStringList& arguments, QString* errors = nullptr) const
    {
        qputenv("XDG_DATA_HOME", root.file(home).toUtf8());
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status = importer::runImport(QStringList{"tintaro-import"} + arguments, root.file("bin"), outStream,
                                               errStream);
        if (errors != nullptr)
            *errors = err;
        return status;
    }
    int pageCount(const QString& home, const QString& set) const
    {
        return platform::BookFolders(root.file("bin"), root.file(home), QString()).pageCount(set);
    }
};

} // namespace

class ImportInstalledTest : public QObject {
    Q_OBJECT
private slots:
    void pagesOfAShippedSetFollowItsPagesForThatUserOnly();
    void aNewSetLivesInTheUsersFolder();
    void aHomeThatCannotBeWrittenGetsNothing();
    void aFolderNamedMustBeAProgramFolder();
};

void ImportInstalledTest::pagesOfAShippedSetFollowItsPagesForThatUserOnly()
{
    InstalledTree tree;
    const QByteArray shipped = testsupport::treeDigest(tree.root.file("share"));
    const QStringList pictures{tree.root.file("pictures/a.png"), tree.root.file("pictures/b.png")};
    QCOMPARE(tree.run("home1", QStringList{"--set", "animales"} + pictures), int(importer::kImported));
    QVERIFY(tree.root.exists("home1/tintaro/dibujos/animales/3.gif"));
    QVERIFY(tree.root.exists("home1/tintaro/dibujos/animales/4.gif"));
    // The shipped logo still names the set: no logo of the user's is made.
    QVERIFY(!tree.root.exists("home1/tintaro/logos/animales.gif"));
    QCOMPARE(tree.pageCount("home1", "animales"), 4);
    QCOMPARE(tree.pageCount("home2", "animales"), 2);
    QCOMPARE(testsupport::treeDigest(tree.root.file("share")), shipped);
    // The same pictures again are recognised, across both folders.
    QCOMPARE(tree.run("home1", QStringList{"--set", "animales"} + pictures), int(importer::kImported));
    QCOMPARE(tree.pageCount("home1", "animales"), 4);
}

void ImportInstalledTest::aNewSetLivesInTheUsersFolder()
{
    InstalledTree tree;
    QCOMPARE(tree.run("home1", {"--set", "mios", tree.root.file("pictures/a.png")}), int(importer::kImported));
    QVERIFY(tree.root.exists("home1/tintaro/logos/mios.gif"));
    QVERIFY(tree.root.exists("home1/tintaro/dibujos/mios/1.gif"));
    const platform::BookFolders book(tree.root.file("bin"), tree.root.file("home1"), QString());
    QCOMPARE(book.setEntries(), (QStringList{"animales.gif", "mios.gif"}));
}

void ImportInstalledTest::aHomeThatCannotBeWrittenGetsNothing()
{
    InstalledTree tree;
    tree.root.writeText("home-file", "not a folder");
    const QByteArray before = testsupport::treeDigest(tree.root.path());
    QString errors;
    QCOMPARE(tree.run("home-file", {"--set", "mios", tree.root.file("pictures/a.png")}, &errors),
             int(importer::kNotWritten));
    QVERIFY2(errors.contains("cannot write to"), qPrintable(errors));
    QCOMPARE(testsupport::treeDigest(tree.root.path()), before);
}

void ImportInstalledTest::aFolderNamedMustBeAProgramFolder()
{
    InstalledTree tree;
    QString errors;
    QCOMPARE(tree.run("home1", {"--folder", tree.root.file("bin"), "--set", "mios", tree.root.file("pictures/a.png")},
                      &errors),
             int(importer::kRefused));
    QVERIFY(!tree.root.exists("home1/tintaro"));
}

QTEST_MAIN(ImportInstalledTest)
#include "test_import_installed.moc"
