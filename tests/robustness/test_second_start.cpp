// Two real programs on one program folder, as a child who double-clicks the
// icon twice makes them: the second start asks the first to show itself and
// ends without touching a file, with either erase setting; every coloured
// copy saved is the first one's. A lock left by a program that was killed is
// taken over by the next start.
#include "tests/robustness/child_process.h"
#include "tests/robustness/copy_digest.h"
#include "tests/robustness/folder_state.h"
#include "tests/support/test_folder.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

#include <unistd.h>

using robustness::ChildProcess;

namespace {

// A bound on every wait, never reached unless something hangs.
constexpr int kBoundMs = 60000;

QString windowChild() { return QCoreApplication::applicationDirPath() + "/robustness_window_child"; }

// "saved <set>/<page> <digest>" -> key and digest.
std::pair<QString, QString> savedCopy(const QString& line)
{
    const QStringList words = line.split(' ');
    return words.size() == 3 && words[0] == "saved" ? std::pair{words[1], words[2]} : std::pair<QString, QString>{};
}

// Every coloured copy below dibujos, by set/page.
QStringList copiesOn(const testsupport::TestFolder& folder)
{
    QStringList copies;
    QDirIterator it(folder.file("dibujos"), {"*.bmp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        copies << it.fileInfo().dir().dirName() + "/" + it.fileInfo().completeBaseName();
    }
    copies.sort();
    return copies;
}

// The process id the folder's lock file names (its first line).
qint64 lockHolder(const testsupport::TestFolder& folder)
{
    QFile lock(folder.file(".tintaro.lock"));
    return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : -1;
}

} // namespace

class SecondStartTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartShowsTheFirstAndTouchesNothing_data();
    void secondStartShowsTheFirstAndTouchesNothing();
    void aLockLeftByAKilledProgramIsTakenOver();
    void aReadOnlyFolderStillHasOneProgram();
};

void SecondStartTest::secondStartShowsTheFirstAndTouchesNothing_data() { testsupport::addEraseSettingRows(); }

void SecondStartTest::secondStartShowsTheFirstAndTouchesNothing()
{
    QFETCH(QByteArray, eraseSetting);
    const testsupport::TestFolder folder(true);
    folder.writeText("configuracion/borra.txt", eraseSetting);
    folder.installProgram(TINTARO_EXECUTABLE);
    ChildProcess first(windowChild(), {"first", folder.path()});
    QVERIFY(first.waitForLine("ready", kBoundMs));
    first.write("paint\nnext\n");
    QCOMPARE(first.line(kBoundMs), QString("painted"));
    const auto [page1, digest1] = savedCopy(first.line(kBoundMs));
    QVERIFY(!digest1.isEmpty());
    QCOMPARE(robustness::filePixelsDigest(folder.file("dibujos/" + page1 + ".bmp")), digest1);

    const robustness::FolderState before = robustness::folderState(folder.path());
    ChildProcess second(folder.file("tintaro"), {});
    QVERIFY2(second.endsWell(kBoundMs), qPrintable(second.ending() + ": the second start did not end by itself with status 0"));
    QVERIFY2(first.waitForLine("shown", kBoundMs), "the first program was not asked to show itself");
    QCOMPARE(robustness::differences(before, robustness::folderState(folder.path())), QStringList());

    first.write("paint\ndoor\n");
    QCOMPARE(first.line(kBoundMs), QString("painted"));
    const auto [page2, digest2] = savedCopy(first.line(kBoundMs));
    QVERIFY2(first.endsWell(kBoundMs), qPrintable(first.ending()));
    QCOMPARE(copiesOn(folder), QStringList({page1, page2}));
    QCOMPARE(robustness::filePixelsDigest(folder.file("dibujos/" + page1 + ".bmp")), digest1);
    QCOMPARE(robustness::filePixelsDigest(folder.file("dibujos/" + page2 + ".bmp")), digest2);
}

void SecondStartTest::aLockLeftByAKilledProgramIsTakenOver()
{
    const testsupport::TestFolder folder(true);
    folder.installProgram(TINTARO_EXECUTABLE);
    ChildProcess killed(windowChild(), {"first", folder.path()});
    QVERIFY(killed.waitForLine("ready", kBoundMs));
    const qint64 killedPid = killed.process().processId();
    QCOMPARE(lockHolder(folder), killedPid);
    killed.kill();
    QCOMPARE(lockHolder(folder), killedPid);
    // Its lock file and its socket stay behind; the next start takes both over.
    ChildProcess next(windowChild(), {"first", folder.path()});
    QVERIFY2(next.waitForLine("ready", kBoundMs), "the lock of a dead program was not taken over");
    QCOMPARE(lockHolder(folder), next.process().processId());
    ChildProcess third(folder.file("tintaro"), {});
    QVERIFY2(third.endsWell(kBoundMs), qPrintable(third.ending() + ": a start while the new program runs did not end"));
    QVERIFY2(next.waitForLine("shown", kBoundMs), "the new program's socket was not reached");
}

// No lock file can be made there, and nothing can be saved either: the
// program still starts, and a second start still finds it by its socket.
void SecondStartTest::aReadOnlyFolderStillHasOneProgram()
{
    const testsupport::TestFolder folder(true);
    folder.installProgram(TINTARO_EXECUTABLE);
    const QString root = folder.path();
    if (geteuid() != 0 || QProcess::execute("mount", {"--bind", root, root}) != 0)
        QSKIP("making a folder read-only for root needs permission to mount");
    const auto unmount = qScopeGuard([&] {
        if (QProcess::execute("umount", {root}) != 0)
            qWarning("could not unmount %s", qPrintable(root));
    });
    QCOMPARE(QProcess::execute("mount", {"-o", "remount,bind,ro", root, root}), 0);
    ChildProcess first(windowChild(), {"first", root});
    QVERIFY(first.waitForLine("ready", kBoundMs));
    QVERIFY(!QFileInfo::exists(folder.file(".tintaro.lock")));
    ChildProcess second(folder.file("tintaro"), {});
    QVERIFY2(second.endsWell(kBoundMs), qPrintable(second.ending() + ": the second start did not end by itself with status 0"));
    QVERIFY2(first.waitForLine("shown", kBoundMs), "the first program was not asked to show itself");
    first.kill();
}

QTEST_MAIN(SecondStartTest)
#include "test_second_start.moc"
