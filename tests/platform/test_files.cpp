// File lookup, first lines and sorted folder listings on a scratch folder.
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lookupNeedsThePlainFileOfExactlyThatName();
    void lookupOfFoldersAndOddPaths();
    void firstLine_data();
    void firstLine();
    void firstLineOfWhatIsNotAReadableFile();
    void listingIsPlainVisibleFilesInByteOrder();
    void listingOfAMissingFolderIsEmpty();
    void folderListingAnswersLikeLookup();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path(const QString& name) const { return dir_->filePath(name); }
};

void TestFiles::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestFiles::lookupNeedsThePlainFileOfExactlyThatName()
{
    write(path("BORRA.TXT"), "no\n");
    write(path("impresora.txt"), "");
    QCOMPARE(fileLookup(path("borra.txt")), QString());
    QCOMPARE(fileLookup(path("Borra.txt")), QString());
    QCOMPARE(fileLookup(path("BORRA.TXT")), QStringLiteral("BORRA.TXT"));
    QCOMPARE(fileLookup(path("impresora.txt")), QStringLiteral("impresora.txt"));
    QCOMPARE(fileLookup(path("1.gif")), QString());
    write(path("ñandú 1.gif"), "x");
    QCOMPARE(fileLookup(path("ñandú 1.gif")), QStringLiteral("ñandú 1.gif"));
    write(path(".hidden"), "x");
    QCOMPARE(fileLookup(path(".hidden")), QStringLiteral(".hidden"));
}

void TestFiles::lookupOfFoldersAndOddPaths()
{
    QVERIFY(QDir(dir_->path()).mkdir("1.gif"));
    QCOMPARE(fileLookup(path("1.gif")), QString());
    write(path("a.bmp"), "x");
    QCOMPARE(fileLookup(path("a.bmp/")), QString());
    QCOMPARE(fileLookup(path("missing/a.bmp")), QString());
    QCOMPARE(fileLookup(path("*")), QString());
    QCOMPARE(fileLookup(QString()), QString());
    QCOMPARE(fileLookup(dir_->path()), QString());
    // A link to a plain file counts as the file; a dangling one does not.
    QVERIFY(QFile::link(path("a.bmp"), path("b.bmp")));
    QVERIFY(QFile::link(path("gone.bmp"), path("c.bmp")));
    QCOMPARE(fileLookup(path("b.bmp")), QStringLiteral("b.bmp"));
    QCOMPARE(fileLookup(path("c.bmp")), QString());
}

void TestFiles::firstLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unix") << QByteArray("NO\nsecond") << "NO";
    QTest::newRow("windows") << QByteArray("No\r\nsecond") << "No";
    QTest::newRow("old mac") << QByteArray("nO\rsecond") << "nO";
    QTest::newRow("no line end") << QByteArray("no") << "no";
    QTest::newRow("trailing blank kept") << QByteArray("NO \n") << "NO ";
    QTest::newRow("dot kept") << QByteArray("No.\n") << "No.";
    QTest::newRow("empty first line") << QByteArray("\nNO\n") << "";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("utf-8") << QByteArray("sí\n") << QStringLiteral("sí");
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBFNO\r\n") << "NO";
    QTest::newRow("only the first 64 KiB") << QByteArray(100 * 1024, 'a') << QString(64 * 1024, 'a');
}

void TestFiles::firstLine()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    write(path("borra.txt"), content);
    QCOMPARE(readFirstLine(path("borra.txt")), expected);
}

void TestFiles::firstLineOfWhatIsNotAReadableFile()
{
    QCOMPARE(readFirstLine(path("missing.txt")), QString());
    QVERIFY(QDir(dir_->path()).mkdir("folder.txt"));
    QCOMPARE(readFirstLine(path("folder.txt")), QString());
    // A pipe in place of the file (which would block a plain read for good), a device.
    QVERIFY(::mkfifo(QFile::encodeName(path("pipe.txt")).constData(), 0644) == 0);
    QCOMPARE(readFirstLine(path("pipe.txt")), QString());
    QVERIFY(QFile::link("/dev/zero", path("zero.txt")));
    QCOMPARE(readFirstLine(path("zero.txt")), QString());
    write(path("locked.txt"), "NO\n");
    QVERIFY(QFile::setPermissions(path("locked.txt"), QFileDevice::Permissions()));
    if (geteuid() != 0)
        QCOMPARE(readFirstLine(path("locked.txt")), QString());
}

void TestFiles::listingIsPlainVisibleFilesInByteOrder()
{
    for (const char* name : {"b.gif", "a.gif", "B.gif", "Z.gif", "_x.gif", "é.gif", "10.gif", "9.gif", ".hidden.gif"})
        write(path(QString::fromUtf8(name)), "x");
    QVERIFY(QDir(dir_->path()).mkdir("c.gif"));
    QVERIFY(QFile::link(path("a.gif"), path("link.gif")));
    QVERIFY(QFile::link(path("c.gif"), path("folderlink.gif")));
    QCOMPARE(listPlainFiles(dir_->path()),
             QStringList({"10.gif", "9.gif", "B.gif", "Z.gif", "_x.gif", "a.gif", "b.gif", "link.gif",
                          QStringLiteral("é.gif")}));
}

void TestFiles::listingOfAMissingFolderIsEmpty()
{
    QVERIFY(listPlainFiles(path("nothing")).isEmpty());
    write(path("file"), "x");
    QVERIFY(listPlainFiles(path("file")).isEmpty());
}

void TestFiles::folderListingAnswersLikeLookup()
{
    for (const char* name : {"1.gif", "2.gif", "1.bmp", ".x", "BORRA.TXT"})
        write(path(QString::fromLatin1(name)), "x");
    QVERIFY(QDir(dir_->path()).mkdir("3.gif"));
    const FolderListing listing(dir_->path());
    for (const char* name : {"1.gif", "2.gif", "3.gif", "4.gif", "1.bmp", "2.bmp", ".x", "borra.txt", "BORRA.TXT"}) {
        const QString n = QString::fromLatin1(name);
        QCOMPARE(listing.contains(n), fileLookup(path(n)) == n);
    }
    QVERIFY(!FolderListing(path("missing")).contains("1.gif"));
}

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
