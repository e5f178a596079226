// Reading only plain files, within a limit, never waiting on a pipe or device.
#include "platform/plain_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform;

class TestPlainFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void plainFilesAndLinksToThemAreRead();
    void largerFilesAreRefusedOrCut();
    void pipesDevicesAndSocketsAreRefusedAtOnce();
    void missingNamesAndBrokenLinks();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path(const QString& name) const { return dir_->filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
};

void TestPlainFile::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestPlainFile::plainFilesAndLinksToThemAreRead()
{
    write("a.gif", "GIF89a whatever");
    FileContent read = readPlainFile(path("a.gif"), 100);
    QCOMPARE(read.status, ReadStatus::Read);
    QCOMPARE(read.bytes, QByteArray("GIF89a whatever"));
    QCOMPARE(read.size, 15);
    // A set folder linked from elsewhere reads as its own.
    QVERIFY(QDir(dir_->path()).mkdir("elsewhere"));
    write("elsewhere/1.gif", "page");
    QVERIFY(QFile::link(path("elsewhere"), path("linked")));
    QCOMPARE(readPlainFile(path("linked/1.gif"), 100).bytes, QByteArray("page"));
    QVERIFY(QFile::link(path("a.gif"), path("b.gif")));
    QCOMPARE(readPlainFile(path("b.gif"), 100).bytes, QByteArray("GIF89a whatever"));
    write("empty", {});
    read = readPlainFile(path("empty"), 100);
    QVERIFY(read.ok());
    QVERIFY(read.bytes.isEmpty());
}

void TestPlainFile::largerFilesAreRefusedOrCut()
{
    const QByteArray bytes(5000, 'x');
    write("big", bytes);
    QCOMPARE(readPlainFile(path("big"), 5000).bytes, bytes);
    const FileContent refused = readPlainFile(path("big"), 4999);
    QCOMPARE(refused.status, ReadStatus::TooLarge);
    QCOMPARE(refused.size, 5000);
    QVERIFY(refused.bytes.isEmpty());
    const FileContent cut = readPlainFilePrefix(path("big"), 10);
    QCOMPARE(cut.status, ReadStatus::Read);
    QCOMPARE(cut.bytes, QByteArray(10, 'x'));
    QCOMPARE(readPlainFilePrefix(path("big"), 6000).bytes, bytes);
}

// A pipe without a writer would block a plain open for good, and a device
// reads without end: both are refused on the descriptor, before any read.
void TestPlainFile::pipesDevicesAndSocketsAreRefusedAtOnce()
{
    QVERIFY(::mkfifo(QFile::encodeName(path("pipe.gif")).constData(), 0644) == 0);
    QCOMPARE(readPlainFile(path("pipe.gif"), 100).status, ReadStatus::NotPlain);
    QCOMPARE(readPlainFilePrefix(path("pipe.gif"), 100).status, ReadStatus::NotPlain);
    // With a writer that never writes.
    const int writer = ::open(QFile::encodeName(path("pipe.gif")).constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(writer >= 0);
    QCOMPARE(readPlainFile(path("pipe.gif"), 100).status, ReadStatus::NotPlain);
    ::close(writer);
    QVERIFY(QFile::link("/dev/zero", path("zero.gif")));
    QCOMPARE(readPlainFile(path("zero.gif"), 1 << 30).status, ReadStatus::NotPlain);
    QCOMPARE(readPlainFile("/dev/zero", 1 << 30).status, ReadStatus::NotPlain);
    QCOMPARE(readPlainFile("/dev/null", 100).status, ReadStatus::NotPlain);
    QCOMPARE(readPlainFile(dir_->path(), 100).status, ReadStatus::NotPlain);
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(path("s.gif"));
    QVERIFY(socketPath.size() < qsizetype(sizeof address.sun_path));
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    QVERIFY(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    QVERIFY(!readPlainFile(path("s.gif"), 100).ok());
    ::close(server);
}

void TestPlainFile::missingNamesAndBrokenLinks()
{
    QCOMPARE(readPlainFile(path("missing.gif"), 100).status, ReadStatus::Missing);
    QCOMPARE(readPlainFile(path("missing/1.gif"), 100).status, ReadStatus::Missing);
    QVERIFY(QFile::link(path("gone.gif"), path("dangling.gif")));
    QCOMPARE(readPlainFile(path("dangling.gif"), 100).status, ReadStatus::Missing);
    QVERIFY(QFile::link(path("loop2.gif"), path("loop1.gif")));
    QVERIFY(QFile::link(path("loop1.gif"), path("loop2.gif")));
    QCOMPARE(readPlainFile(path("loop1.gif"), 100).status, ReadStatus::Missing);
    if (geteuid() != 0) {
        write("locked.gif", "x");
        QVERIFY(QFile::setPermissions(path("locked.gif"), QFileDevice::Permissions()));
        QCOMPARE(readPlainFile(path("locked.gif"), 100).status, ReadStatus::Failed);
    }
}

QTEST_GUILESS_MAIN(TestPlainFile)
#include "test_plain_file.moc"
