// Writes, renames and deletions below the writable folder: whole files, and
// never a write through a link, whatever the link points at.
#include "platform/owned_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

using namespace platform;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every entry below `root` with what it holds, to show nothing outside changed.
QMap<QString, QByteArray> tree(const QString& root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        entries[QDir(root).relativeFilePath(path)] = info.isSymLink() ? "link " + QFile::encodeName(info.symLinkTarget())
                                                     : info.isDir()   ? QByteArray("folder")
                                                                      : QCryptographicHash::hash(contentOf(path), QCryptographicHash::Sha1);
    }
    return entries;
}

// The error a path through a link gives: the link is not followed.
bool throughLink(const Change& change) { return change.error() == ELOOP || change.error() == ENOTDIR; }

} // namespace

class TestOwnedFolder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void replaceWritesWholeFilesWithNoTemporaryLeft();
    void aPendingFileShowsOnlyOnceCommitted();
    void aLinkInPlaceOfTheFileIsReplacedNotFollowed();
    void createNeverReplacesEvenADanglingLink();
    void nothingIsWrittenThroughALinkedFolder();
    void removeTakesFilesAndLinksOnly();
    void movesAndFolders();
    void badRelativePaths();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QTemporaryDir> outside_;
    QString root() const { return dir_->filePath("root"); }
    QString in(const QString& relative) const { return root() + "/" + relative; }
    QString out(const QString& name) const { return outside_->filePath(name); }
};

void TestOwnedFolder::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    outside_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid() && outside_->isValid());
    QVERIFY(QDir().mkpath(in("dibujos/animales")));
    QFile target(out("diary.txt"));
    QVERIFY(target.open(QIODevice::WriteOnly) && target.write("dear diary") == 10);
}

void TestOwnedFolder::replaceWritesWholeFilesWithNoTemporaryLeft()
{
    const OwnedFolder folder(root());
    QVERIFY(folder.replaceFile("dibujos/animales/1.bmp", "first").ok());
    QVERIFY(folder.replaceFile("dibujos/animales/1.bmp", "second, longer").ok());
    QCOMPARE(contentOf(in("dibujos/animales/1.bmp")), QByteArray("second, longer"));
    struct stat info {};
    QVERIFY(::stat(QFile::encodeName(in("dibujos/animales/1.bmp")).constData(), &info) == 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0644));
    QCOMPARE(QDir(in("dibujos/animales")).entryList(QDir::Files | QDir::Hidden), QStringList{"1.bmp"});
    // A folder in the way: refused, and the temporary file goes again.
    QVERIFY(QDir().mkpath(in("dibujos/animales/2.bmp/x")));
    const Change change = folder.replaceFile("dibujos/animales/2.bmp", "x");
    QVERIFY(!change.ok());
    QVERIFY(!change.text().isEmpty());
    QCOMPARE(QDir(in("dibujos/animales")).entryList(QDir::Files | QDir::Hidden), QStringList{"1.bmp"});
    QCOMPARE(folder.replaceFile("dibujos/missing/1.bmp", "x").error(), ENOENT);
}

// Started, the new file is written but hidden: the name keeps the old one
// until the commit, and a pending file dropped leaves nothing behind.
void TestOwnedFolder::aPendingFileShowsOnlyOnceCommitted()
{
    const OwnedFolder folder(root());
    const QString copy = "dibujos/animales/1.bmp";
    const auto files = [&] { return QDir(in("dibujos/animales")).entryList(QDir::Files | QDir::Hidden); };
    QVERIFY(folder.replaceFile(copy, "old").ok());

    PendingFile pending = folder.startReplacing(copy, OwnedFolder::bytesWriter("new"));
    QCOMPARE(pending.target(), copy);
    QCOMPARE(contentOf(in(copy)), QByteArray("old"));
    QCOMPARE(files().size(), 2);
    QVERIFY(pending.commit().ok());
    QCOMPARE(contentOf(in(copy)), QByteArray("new"));
    QCOMPARE(files(), QStringList{"1.bmp"});
    QVERIFY(pending.target().isEmpty());
    QVERIFY(pending.commit().ok()); // nothing pending any more

    // Dropped, or replaced by another pending file: the hidden file goes.
    {
        PendingFile dropped = folder.startReplacing(copy, OwnedFolder::bytesWriter("dropped"));
        dropped = folder.startReplacing("dibujos/animales/2.bmp", OwnedFolder::bytesWriter("second"));
        QCOMPARE(files().size(), 2);
    }
    QCOMPARE(files(), QStringList{"1.bmp"});
    QCOMPARE(contentOf(in(copy)), QByteArray("new"));

    // A writer that fails, or a path through a link: the commit tells, nothing is left.
    PendingFile failed = folder.startReplacing(copy, [](QIODevice&) { return false; });
    QVERIFY(failed.target().isEmpty());
    QVERIFY(!failed.commit().ok());
    QVERIFY(QFile::link(outside_->path(), in("dibujos/linked")));
    QVERIFY(throughLink(folder.startReplacing("dibujos/linked/1.bmp", OwnedFolder::bytesWriter("x")).commit()));
    QCOMPARE(files(), QStringList{"1.bmp"});
    QCOMPARE(contentOf(in(copy)), QByteArray("new"));
    QVERIFY(!QFile::exists(out("1.bmp")));
}

void TestOwnedFolder::aLinkInPlaceOfTheFileIsReplacedNotFollowed()
{
    const auto before = tree(outside_->path());
    QVERIFY(QFile::link(out("diary.txt"), in("dibujos/animales/1.bmp")));
    QVERIFY(QFile::link(out("new.txt"), in("dibujos/animales/2.bmp")));
    const OwnedFolder folder(root());
    QVERIFY(folder.replaceFile("dibujos/animales/1.bmp", "copy 1").ok());
    QVERIFY(folder.replaceFile("dibujos/animales/2.bmp", "copy 2").ok());
    QVERIFY(!QFileInfo(in("dibujos/animales/1.bmp")).isSymLink());
    QCOMPARE(contentOf(in("dibujos/animales/1.bmp")), QByteArray("copy 1"));
    QCOMPARE(contentOf(in("dibujos/animales/2.bmp")), QByteArray("copy 2"));
    QCOMPARE(tree(outside_->path()), before);
}

void TestOwnedFolder::createNeverReplacesEvenADanglingLink()
{
    const OwnedFolder folder(root());
    QVERIFY(folder.createFile("dibujos/animales/3.gif", "page").ok());
    QCOMPARE(folder.createFile("dibujos/animales/3.gif", "again").error(), EEXIST);
    QCOMPARE(contentOf(in("dibujos/animales/3.gif")), QByteArray("page"));
    QVERIFY(QFile::link(out("nowhere.gif"), in("dibujos/animales/4.gif")));
    QCOMPARE(folder.createFile("dibujos/animales/4.gif", "page").error(), EEXIST);
    QVERIFY(!QFileInfo::exists(out("nowhere.gif")));
    QCOMPARE(QDir(in("dibujos/animales")).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList({"3.gif", "4.gif"}));
}

// A teacher's set folder linked from a shared drive, and "dibujos" itself
// linked: read through, never written, renamed into or deleted from.
void TestOwnedFolder::nothingIsWrittenThroughALinkedFolder()
{
    QVERIFY(QDir().mkpath(out("shared")));
    QVERIFY(QFile::copy(out("diary.txt"), out("shared/1.bmp")));
    QVERIFY(QFile::link(out("shared"), in("dibujos/granja")));
    const auto before = tree(outside_->path());
    const OwnedFolder folder(root());
    QVERIFY(throughLink(folder.replaceFile("dibujos/granja/1.bmp", "x")));
    QVERIFY(throughLink(folder.replaceFile("dibujos/granja/2.bmp", "x")));
    QVERIFY(throughLink(folder.createFile("dibujos/granja/2.gif", "x")));
    QVERIFY(throughLink(folder.removeFile("dibujos/granja/1.bmp")));
    QVERIFY(throughLink(folder.makeFolder("dibujos/granja/sub")));
    QVERIFY(folder.replaceFile("x.gif", "x").ok());
    QVERIFY(throughLink(folder.move("x.gif", "dibujos/granja/x.gif", true)));
    QCOMPARE(folder.removeFolder("dibujos/granja").error(), ENOTDIR);
    QVERIFY(QDir(in("dibujos")).removeRecursively());
    QVERIFY(QFile::link(out("shared"), in("dibujos")));
    QVERIFY(throughLink(folder.replaceFile("dibujos/1.bmp", "x")));
    QCOMPARE(tree(outside_->path()), before);
}

void TestOwnedFolder::removeTakesFilesAndLinksOnly()
{
    const OwnedFolder folder(root());
    QVERIFY(folder.replaceFile("dibujos/animales/1.bmp", "x").ok());
    QVERIFY(folder.removeFile("dibujos/animales/1.bmp").ok());
    QCOMPARE(folder.removeFile("dibujos/animales/1.bmp").error(), ENOENT);
    QVERIFY(QFile::link(out("diary.txt"), in("dibujos/animales/2.bmp")));
    QVERIFY(folder.removeFile("dibujos/animales/2.bmp").ok());
    QCOMPARE(contentOf(out("diary.txt")), QByteArray("dear diary"));
    QVERIFY(::mkfifo(QFile::encodeName(in("dibujos/animales/3.bmp")).constData(), 0644) == 0);
    QCOMPARE(folder.removeFile("dibujos/animales/3.bmp").error(), EPERM);
    QVERIFY(QDir().mkpath(in("dibujos/animales/4.bmp")));
    QCOMPARE(folder.removeFile("dibujos/animales/4.bmp").error(), EISDIR);
    QVERIFY(QFileInfo(in("dibujos/animales/4.bmp")).isDir());
}

void TestOwnedFolder::movesAndFolders()
{
    const OwnedFolder folder(root());
    QVERIFY(folder.makeFolder(".staging").ok());
    QCOMPARE(folder.makeFolder(".staging").error(), EEXIST);
    QVERIFY(folder.makeFolder(".staging/pages").ok());
    QVERIFY(folder.createFile(".staging/pages/1.gif", "one").ok());
    QVERIFY(folder.move(".staging/pages", "dibujos/nuevo", false).ok());
    QCOMPARE(contentOf(in("dibujos/nuevo/1.gif")), QByteArray("one"));
    QVERIFY(folder.createFile(".staging/logo.gif", "logo").ok());
    QVERIFY(folder.createFile("logo.gif", "old").ok());
    QCOMPARE(folder.move(".staging/logo.gif", "logo.gif", false).error(), EEXIST);
    QCOMPARE(contentOf(in("logo.gif")), QByteArray("old"));
    QVERIFY(folder.move(".staging/logo.gif", "logo.gif", true).ok());
    QCOMPARE(contentOf(in("logo.gif")), QByteArray("logo"));
    QCOMPARE(folder.removeFolder("dibujos/nuevo").error(), ENOTEMPTY);
    QVERIFY(folder.removeFolder(".staging").ok());
    QVERIFY(!QFileInfo::exists(in(".staging")));
}

void TestOwnedFolder::badRelativePaths()
{
    const OwnedFolder folder(root());
    for (const char* relative : {"", "/etc/x", "../x", "dibujos/../x", "dibujos//x", "dibujos/.", "dibujos/"})
        QCOMPARE(folder.replaceFile(relative, "x").error(), EINVAL);
    QCOMPARE(tree(outside_->path()).size(), 1);
    QCOMPARE(OwnedFolder(dir_->filePath("missing")).replaceFile("x", "x").error(), ENOENT);
}

QTEST_GUILESS_MAIN(TestOwnedFolder)
#include "test_owned_folder.moc"
