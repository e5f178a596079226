// Saves that cannot finish: a read-only set folder, a full file system and a
// save killed half-way each leave the previous coloured copy intact and
// readable, and the child still moves on to the next page.
#include "platform/picture_io.h"
#include "shell/main_window.h"
#include "tests/catalogue/book_folder.h"
#include "tests/support/samples.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::TestFolder;

namespace {

const QColor kPaint(250, 220, 0);
const QString kSetFolder = "dibujos/animales";
const QString kCopy = "dibujos/animales/2.bmp";

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool mountTmpfs(const QString& folder, const QString& size)
{
    return geteuid() == 0 && run("mount", {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", folder});
}

// The set "animales" of three pages and an earlier coloured copy of page 2,
// kept from run to run. The set folder is made first, so a test can mount a
// file system on it before the files are written.
void writeBook(const TestFolder& folder)
{
    booktest::addSet(folder, "animales.gif", Qt::cyan, {Qt::red, Qt::green, Qt::blue});
    booktest::keepCopies(folder);
    QVERIFY(platform::saveBmpAtomically(booktest::flatPage(QColor(90, 10, 120), {100, 80}),
                                        folder.file(kCopy)));
}

// Shows page 2 (from its copy), paints it and moves on: the save fails.
void paintPageTwoAndMoveOn(const TestFolder& folder)
{
    Form1 form(folder.path());
    form.Command4_Click();
    QCOMPARE(booktest::canvasCentre(form), QColor(90, 10, 120).rgb());
    booktest::paint(form, kPaint);
    form.Command4_Click();
    QCOMPARE(form.PageNumber, 3);
    QCOMPARE(booktest::canvasCentre(form), QColor(Qt::blue).rgb());
}

void verifyCopyIntact(const TestFolder& folder, const QByteArray& digest)
{
    QCOMPARE(testsupport::fileBytesDigest(folder.file(kCopy)), digest);
    const QImage copy = platform::loadPicture(folder.file(kCopy));
    QCOMPARE(copy.size(), QSize(100, 80));
    QCOMPARE(testsupport::countColour(copy, QColor(90, 10, 120).rgb()), qint64(100 * 80));
}

// Fills the file system holding `folder` until nothing more fits.
void fillUp(const QString& folder)
{
    QFile filler(folder + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

// The size of the file the process `pid` has open below `folder`, or -1.
qint64 openFileSize(qint64 pid, const QString& folder)
{
    const QDir fds(QString("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (!fd.symLinkTarget().startsWith(folder + "/"))
            continue;
        struct stat info {};
        if (::stat(QFile::encodeName(fd.filePath()).constData(), &info) == 0)
            return info.st_size;
    }
    return -1;
}

} // namespace

class SavingFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void readOnlyFolderKeepsThePreviousCopy();
    void fullFileSystemKeepsThePreviousCopy();
    void saveKilledHalfWayKeepsThePreviousCopy();
};

void SavingFaultsTest::readOnlyFolderKeepsThePreviousCopy()
{
    TestFolder folder;
    QVERIFY(QDir().mkpath(folder.file(kSetFolder)));
    // Root writes through permissions: a read-only mount stops it too.
    const bool mounted = mountTmpfs(folder.file(kSetFolder), "4m");
    const auto restore = qScopeGuard([&] {
        if (mounted && !run("umount", {folder.file(kSetFolder)}))
            qWarning("could not unmount %s", qPrintable(folder.file(kSetFolder)));
        if (!mounted && !QFile::setPermissions(folder.file(kSetFolder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            qWarning("could not make %s writable again", qPrintable(folder.file(kSetFolder)));
    });
    if (geteuid() == 0 && !mounted)
        QSKIP("running as root without permission to mount a file system");
    writeBook(folder);
    const QByteArray digest = testsupport::fileBytesDigest(folder.file(kCopy));
    if (mounted)
        QVERIFY(run("mount", {"-o", "remount,ro", folder.file(kSetFolder)}));
    else
        QVERIFY(QFile::setPermissions(folder.file(kSetFolder), QFile::ReadOwner | QFile::ExeOwner));

    paintPageTwoAndMoveOn(folder);
    verifyCopyIntact(folder, digest);
    QVERIFY(!folder.exists(kSetFolder + "/3.bmp"));
}

void SavingFaultsTest::fullFileSystemKeepsThePreviousCopy()
{
    TestFolder folder;
    QVERIFY(QDir().mkpath(folder.file(kSetFolder)));
    if (!mountTmpfs(folder.file(kSetFolder), "1m"))
        QSKIP("mounting a small file system needs root and permission to mount");
    const auto unmount = qScopeGuard([&] {
        if (!run("umount", {folder.file(kSetFolder)}))
            qWarning("could not unmount %s", qPrintable(folder.file(kSetFolder)));
    });
    writeBook(folder);
    const QByteArray digest = testsupport::fileBytesDigest(folder.file(kCopy));
    fillUp(folder.file(kSetFolder));

    paintPageTwoAndMoveOn(folder);
    verifyCopyIntact(folder, digest);
}

void SavingFaultsTest::saveKilledHalfWayKeepsThePreviousCopy()
{
    TestFolder folder;
    writeBook(folder);
    const QByteArray digest = testsupport::fileBytesDigest(folder.file(kCopy));
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + "/catalogue_save_child",
                {folder.file(kCopy), "6000", "6000"});
    QVERIFY(child.waitForReadyRead(20000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("saving"));

    // Kill it once part of the copy (a few MiB of about 100) is on disk.
    QElapsedTimer waited;
    waited.start();
    while (openFileSize(child.processId(), folder.file(kSetFolder)) < 4 * 1024 * 1024 && waited.elapsed() < 20000)
        QThread::usleep(200);
    QVERIFY(::kill(static_cast<pid_t>(child.processId()), SIGKILL) == 0);
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY2(!child.readAll().contains("saved"), "the save finished before it could be killed");

    verifyCopyIntact(folder, digest);
    Form1 form(folder.path());
    form.Command4_Click();
    QCOMPARE(booktest::canvasCentre(form), QColor(90, 10, 120).rgb());
}

QTEST_MAIN(SavingFaultsTest)
#include "test_saving_faults.moc"
