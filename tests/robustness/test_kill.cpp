// The main window killed outright (SIGKILL, as a power cut ends it) at
// random moments of a random session, run after run over one program folder.
// After each kill every coloured copy is either the copy from before the
// interrupted action or the whole one it was writing, and the program starts
// and shows it. Half the kills are aimed just after a page button was
// pressed, so that many land inside a save.
//   TINTARO_KILL_RUNS   runs (20; 100 for the long run)
//   TINTARO_KILL_SEED   the seed of the first run (printed at the start)
//
// The window runs in a child process that drives it in-process with the
// same random session as the random-session test: it can say exactly which
// page each action may save and what it will write, which no outside view of
// the screen can, and it is the same Form1 and the same handlers as the program.
#include "shell/main_window.h"
#include "tests/robustness/child_process.h"
#include "tests/robustness/copy_digest.h"
#include "tests/support/test_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>

namespace {

constexpr int kDefaultRuns = 20;
constexpr quint32 kDefaultSeed = 4242;
constexpr int kLineMs = 30000;

int runs()
{
    const int asked = qEnvironmentVariableIntValue("TINTARO_KILL_RUNS");
    return asked > 0 ? asked : kDefaultRuns;
}

quint32 firstSeed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("TINTARO_KILL_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

// What the test knows of each page's copy: the last one an action finished
// with, and the one an unfinished action may have been writing.
struct Copies {
    QMap<QString, QString> last;
    QMap<QString, QString> pending;

    QString lastOf(const QString& key) const { return last.value(key, "-"); }
    bool allowed(const QString& key, const QString& digest) const
    {
        return digest == lastOf(key) || (pending.contains(key) && digest == pending.value(key));
    }
};

struct Tally {
    int inFlight = 0;   // killed between "begin" and "end"
    int midSave = 0;    // killed with a copy open for writing
    int strays = 0;     // files other than pages and copies left in the set folders
    int restarts = 0;   // starts that showed every copy
    int copiesSeen = 0; // copies checked after the kills
};

// Whether process `pid` has a file open below `folder` (a save under way).
bool writesBelow(qint64 pid, const QString& folder)
{
    const QDir fds(QString("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget().startsWith(folder + "/"))
            return true;
    return false;
}

// Waits up to `ms` for the child to open a file below `folder`.
void waitForSave(QProcess& child, const QString& folder, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms && !writesBelow(child.processId(), folder))
        QThread::usleep(20);
}

} // namespace

class KillTest : public QObject {
    Q_OBJECT
private slots:
    void killedAtRandomMomentsLosesNoCopy();

private:
    void takeLine(const QString& line, Copies& copies);
    void killOnce(const QString& folder, quint32 seed, QRandomGenerator& random, Copies& copies, Tally& tally);
    void checkDisk(const testsupport::TestFolder& folder, Copies& copies, Tally& tally);
    void checkStart(const testsupport::TestFolder& folder, const Copies& copies, Tally& tally);

    QString note_;
};

void KillTest::killedAtRandomMomentsLosesNoCopy()
{
    const quint32 seed = firstSeed();
    const int count = runs();
    std::printf("kill test: %d runs from seed %u (TINTARO_KILL_SEED=%u replays them)\n", count, seed, seed);
    std::fflush(stdout);
    const testsupport::TestFolder folder(true);
    folder.writeText("configuracion/borra.txt", "NO\n"); // copies survive each start
    QRandomGenerator random(seed);
    Copies copies;
    Tally tally;
    for (int run = 0; run < count; ++run) {
        note_ = QString(" (run %1, seed %2)").arg(run).arg(seed + quint32(run));
        killOnce(folder.path(), seed + quint32(run), random, copies, tally);
        if (QTest::currentTestFailed())
            return;
        checkDisk(folder, copies, tally);
        checkStart(folder, copies, tally);
        if (QTest::currentTestFailed())
            return;
    }
    std::printf("%d kills survived: %d inside a page button's action, %d with a copy open for writing; "
                "%d stray files left; %d starts showed every copy (%d copies checked)\n",
                count, tally.inFlight, tally.midSave, tally.strays, tally.restarts, tally.copiesSeen);
}

// Follows the child's account of each copy, checking each finished action on the way.
void KillTest::takeLine(const QString& line, Copies& copies)
{
    const QStringList words = line.split(' ');
    if (words.size() != 3)
        return;
    const QString& key = words[1];
    if (words[0] == "begin") {
        copies.pending.insert(key, words[2]);
    } else if (words[0] == "end") {
        QVERIFY2(copies.allowed(key, words[2]), qPrintable("page " + key + " became another copy" + note_));
        copies.last.insert(key, words[2]);
        copies.pending.remove(key);
    }
}

void KillTest::killOnce(const QString& folder, quint32 seed, QRandomGenerator& random, Copies& copies,
                        Tally& tally)
{
    robustness::ChildProcess child(QCoreApplication::applicationDirPath() + "/robustness_kill_child",
                                   {folder, QString::number(seed)});
    QCOMPARE(child.line(kLineMs), QString("ready"));
    if (random.bounded(2) == 0) {
        // Aimed: into the save of the k-th page button, if it saves.
        for (int begins = random.bounded(1, 8); begins > 0;) {
            const QString line = child.line(kLineMs);
            QVERIFY2(!line.isEmpty(), qPrintable("the session stopped" + note_));
            takeLine(line, copies);
            begins -= line.startsWith("begin") ? 1 : 0;
        }
        waitForSave(child.process(), folder + "/dibujos", 300);
        QThread::usleep(random.bounded(1500));
        tally.midSave += writesBelow(child.process().processId(), folder + "/dibujos") ? 1 : 0;
    } else {
        QElapsedTimer clock;
        clock.start();
        const int lifetime = random.bounded(50, 1500);
        while (clock.elapsed() < lifetime)
            if (child.process().waitForReadyRead(std::max(1, lifetime - int(clock.elapsed()))))
                while (child.process().canReadLine())
                    takeLine(child.line(kLineMs), copies);
    }
    child.kill();
    QCOMPARE(child.process().state(), QProcess::NotRunning);
    QCOMPARE(child.process().exitStatus(), QProcess::CrashExit);
    for (const QString& line : child.rest())
        takeLine(line.trimmed(), copies);
    tally.inFlight += copies.pending.isEmpty() ? 0 : 1;
}

// Each copy on disk is the last one or the one being written; then the disk is the new last state.
void KillTest::checkDisk(const testsupport::TestFolder& folder, Copies& copies, Tally& tally)
{
    QStringList keys = copies.last.keys() + copies.pending.keys();
    QDirIterator files(folder.file("dibujos"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QRegularExpression copyName("^([1-9][0-9]*)\\.bmp$");
    while (files.hasNext()) {
        const QString path = files.next();
        const QString set = files.fileInfo().dir().dirName();
        if (const auto match = copyName.match(files.fileName()); match.hasMatch())
            keys << set + "/" + match.captured(1);
        else if (!files.fileName().endsWith(".gif"))
            ++tally.strays;
    }
    keys.removeDuplicates();
    for (const QString& key : keys) {
        const QString digest = robustness::filePixelsDigest(folder.file("dibujos/" + key + ".bmp"));
        QVERIFY2(digest != "unreadable", qPrintable("the copy of page " + key + " is not whole" + note_));
        QVERIFY2(copies.allowed(key, digest),
                 qPrintable("the copy of page " + key + " is neither the old one nor the new one" + note_));
        copies.last.insert(key, digest);
    }
    copies.pending.clear();
}

// A fresh start shows each page's copy when the page is reached.
void KillTest::checkStart(const testsupport::TestFolder& folder, const Copies& copies, Tally& tally)
{
    Form1 form(folder.path());
    for (auto it = copies.last.cbegin(); it != copies.last.cend(); ++it) {
        if (it.value() == "-")
            continue;
        const QString set = it.key().section('/', 0, 0);
        const int page = it.key().section('/', 1).toInt();
        for (int i = 0; i < form.File1.ListCount() && form.SetName(form.SetIndex) != set; ++i)
            form.Command5_Click();
        while (form.PageNumber != page && form.PageNumber < form.PageCount)
            form.Command4_Click();
        if (form.PageNumber != page) {
            form.Command4_Click(); // back to page 1, then on to the page
            while (form.PageNumber != page && form.PageNumber < form.PageCount)
                form.Command4_Click();
        }
        QVERIFY2(form.SetName(form.SetIndex) == set && form.PageNumber == page,
                 qPrintable("cannot reach page " + it.key() + note_));
        QVERIFY2(robustness::imageDigest(form.Picture8->Picture()) == it.value(),
                 qPrintable("the start did not show the copy of page " + it.key() + note_));
        ++tally.copiesSeen;
    }
    QVERIFY2(!form.DrawingModified, qPrintable("looking through the pages changed one" + note_));
    ++tally.restarts;
}

QTEST_MAIN(KillTest)
#include "test_kill.moc"
