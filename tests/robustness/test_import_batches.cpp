// The importer's batches, all or nothing: runs killed outright (SIGKILL) at
// random moments, half of them aimed at the moment their files move into
// place, into new sets and existing ones. After each kill the set the
// program shows is the one from before or the whole new one; a rerun of the
// same command then leaves each picture in the set exactly once. Six runs at
// once into one new set all succeed, each page once.
//   TINTARO_IMPORT_KILL_RUNS   runs (8; 4 in the sanitizer build)
//   TINTARO_IMPORT_KILL_SEED   the seed (printed at the start)
#include "platform/files.h"
#include "tests/support/test_folder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>

using testsupport::TestFolder;

namespace {

constexpr int kBoundMs = 300000; // a run under the sanitizers on a busy machine, and more
constexpr int kPictures = 3;
constexpr int kTogether = 6;

int killRuns()
{
#if defined(__SANITIZE_ADDRESS__)
    // Each run imports full pages, several times slower under the sanitizers;
    // the release build kills twice as many.
    constexpr int kRuns = 4;
#else
    constexpr int kRuns = 8;
#endif
    const int asked = qEnvironmentVariableIntValue("TINTARO_IMPORT_KILL_RUNS");
    return asked > 0 ? asked : kRuns;
}

quint32 seed()
{
    bool ok = false;
    const quint32 asked = qEnvironmentVariable("TINTARO_IMPORT_KILL_SEED").toUInt(&ok);
    return ok ? asked : 2024;
}

// Distinct line drawings: picture i has i + 1 boxes.
QImage drawing(int i)
{
    QList<QRect> boxes;
    for (int b = 0; b <= i; ++b)
        boxes << QRect(20 + 55 * b, 30 + 10 * (b % 3), 45, 150);
    return testsupport::outlinedPage({560, 260}, boxes, 3);
}

QString importer() { return testsupport::builtProgramFolder() + "/tintaro-import"; }

QStringList importArguments(const TestFolder& folder, const QString& set, const QStringList& pictures)
{
    return QStringList{"--folder", folder.path(), "--set", set} + pictures;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages the program shows for `set`: 1.gif up to the first gap.
QList<QByteArray> shownPages(const TestFolder& folder, const QString& set)
{
    QList<QByteArray> pages;
    const platform::FolderListing listing(folder.file("dibujos/" + set));
    for (int n = 1; listing.contains(QString::number(n) + ".gif"); ++n)
        pages << bytesOf(folder.file(QString("dibujos/%1/%2.gif").arg(set).arg(n)));
    return pages;
}

bool visible(const TestFolder& folder, const QString& set) { return folder.exists("logos/" + set + ".gif"); }

// What the importer leaves in the folder besides sets: nothing, once a run has ended.
QStringList leftovers(const TestFolder& folder)
{
    return QDir(folder.path()).entryList({".tintaro-import*"}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

bool stagingAppeared(const TestFolder& folder) { return !leftovers(folder).filter(".tintaro-import-").isEmpty(); }

bool planWritten(const TestFolder& folder)
{
    const QStringList staging = leftovers(folder).filter(".tintaro-import-");
    return !staging.isEmpty() && QFileInfo::exists(folder.file(staging.first() + "/plan"));
}

int run(const QStringList& arguments, QString* err = nullptr)
{
    QProcess process;
    process.start(importer(), arguments);
    if (!process.waitForFinished(kBoundMs) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (err != nullptr)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

} // namespace

class ImportBatchesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void killedAtRandomMomentsAddsAllOrNothing();
    void sixRunsAtOnceIntoOneNewSet();

private:
    void killOnce(const TestFolder& folder, const QString& set, QRandomGenerator& random);
    void checkAfterRerun(const TestFolder& folder, const QString& set, const QList<QByteArray>& before);

    TestFolder inputs_;
    QStringList pictures_;         // the batch of every kill run
    QList<QByteArray> expected_;   // the pages the batch makes, in order
    QStringList together_;         // one picture each for the runs at once
    QList<QByteArray> expectedTogether_;
    qint64 runMs_ = 0;             // how long a whole run of the batch takes here
    int aimed_ = 0;
    int killedStaging_ = 0; // killed with files staged, before the plan
    int killedMoving_ = 0;  // killed with the plan written: the next run finishes the batch
    int finishedByRerun_ = 0;
};

// The pages each batch makes, from runs into a folder of their own.
void ImportBatchesTest::initTestCase()
{
    for (int i = 0; i < kPictures + kTogether; ++i) {
        inputs_.writeImage(QString("in/p%1.png").arg(i), drawing(i));
        (i < kPictures ? pictures_ : together_) << inputs_.file(QString("in/p%1.png").arg(i));
    }
    const TestFolder reference(true);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(run(importArguments(reference, "ref", pictures_)), 0);
    runMs_ = clock.elapsed();
    expected_ = shownPages(reference, "ref");
    QCOMPARE(expected_.size(), kPictures);
    QCOMPARE(run(importArguments(reference, "together", together_)), 0);
    expectedTogether_ = shownPages(reference, "together");
    QCOMPARE(expectedTogether_.size(), kTogether);
    std::printf("import kill test: %d runs from seed %u; a whole run takes %lld ms here\n", killRuns(), seed(),
                static_cast<long long>(runMs_));
}

void ImportBatchesTest::killedAtRandomMomentsAddsAllOrNothing()
{
    const TestFolder folder(true);
    QRandomGenerator random(seed());
    for (int i = 0; i < killRuns(); ++i) {
        // Even runs make a new set, odd ones add to a set of two pages.
        const QString set = QString(i % 2 ? "existing%1" : "new%1").arg(i);
        if (i % 2) {
            folder.writeText("logos/" + set + ".gif", bytesOf(folder.file("logos/animales.gif")));
            for (const int n : {1, 2})
                folder.writeText(QString("dibujos/%1/%2.gif").arg(set).arg(n),
                                 bytesOf(folder.file(QString("dibujos/animales/%1.gif").arg(n))));
        }
        const QList<QByteArray> before = visible(folder, set) ? shownPages(folder, set) : QList<QByteArray>();
        killOnce(folder, set, random);
        if (QTest::currentTestFailed())
            return;
        // What the program shows: the set as it was, or the whole batch added.
        if (visible(folder, set)) {
            const QList<QByteArray> shown = shownPages(folder, set);
            QVERIFY2(shown == before || shown == before + expected_, qPrintable("a part of the batch shows in " + set));
        }
        checkAfterRerun(folder, set, before);
        if (QTest::currentTestFailed())
            return;
    }
    std::printf("%d kills, %d aimed at the files moving into place: %d while staging, %d while moving into "
                "place; %d batches completed by the rerun\n",
                killRuns(), aimed_, killedStaging_, killedMoving_, finishedByRerun_);
}

void ImportBatchesTest::killOnce(const TestFolder& folder, const QString& set, QRandomGenerator& random)
{
    QProcess process;
    process.start(importer(), importArguments(folder, set, pictures_));
    QVERIFY(process.waitForStarted(kBoundMs));
    const int aim = random.bounded(3);
    if (aim == 0) {
        process.waitForFinished(int(random.bounded(std::max<qint64>(1, runMs_))));
    } else {
        // Aimed: while the files are staged, or once the plan is written and
        // they move into place (a fraction of a millisecond).
        const QDeadlineTimer deadline(kBoundMs);
        // waitForFinished(0) lets QProcess notice an end.
        while (!(aim == 1 ? stagingAppeared(folder) : planWritten(folder)) &&
               process.state() == QProcess::Running && !process.waitForFinished(0) && !deadline.hasExpired())
            QThread::usleep(20);
        QThread::usleep(random.bounded(aim == 1 ? 3000 : 300));
        ++aimed_;
    }
    if (process.state() == QProcess::Running)
        QVERIFY(::kill(static_cast<pid_t>(process.processId()), SIGKILL) == 0);
    QVERIFY(process.state() == QProcess::NotRunning || process.waitForFinished(kBoundMs));
    if (!leftovers(folder).filter(".tintaro-import-").isEmpty())
        ++(planWritten(folder) ? killedMoving_ : killedStaging_);
}

// The same command again: it ends well, and the set holds each picture once, in order.
void ImportBatchesTest::checkAfterRerun(const TestFolder& folder, const QString& set, const QList<QByteArray>& before)
{
    QString err;
    const bool wasWhole = visible(folder, set) && shownPages(folder, set) == before + expected_;
    QCOMPARE(run(importArguments(folder, set, pictures_), &err), 0);
    finishedByRerun_ += wasWhole ? 0 : 1;
    QVERIFY2(visible(folder, set), qPrintable(set + " has no logo after the rerun: " + err));
    QCOMPARE(shownPages(folder, set), before + expected_);
    const QStringList files = QDir(folder.file("dibujos/" + set)).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files.size(), before.size() + kPictures);
    QCOMPARE(leftovers(folder), QStringList());
}

void ImportBatchesTest::sixRunsAtOnceIntoOneNewSet()
{
    const TestFolder folder(true);
    for (int round = 0; round < 2; ++round) {
        std::vector<std::unique_ptr<QProcess>> runs;
        for (const QString& picture : together_) {
            runs.push_back(std::make_unique<QProcess>());
            runs.back()->start(importer(), importArguments(folder, "juntos", {picture}));
        }
        for (const auto& process : runs) {
            QVERIFY(process->waitForFinished(kBoundMs));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
            // The second round finds each page there already.
            if (round == 1)
                QVERIFY(process->readAllStandardOutput().contains("not added again"));
        }
        QList<QByteArray> pages = shownPages(folder, "juntos");
        QList<QByteArray> expected = expectedTogether_;
        std::sort(pages.begin(), pages.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(pages, expected);
        QVERIFY(visible(folder, "juntos"));
        QCOMPARE(leftovers(folder), QStringList());
    }
}

QTEST_GUILESS_MAIN(ImportBatchesTest)
#include "test_import_batches.moc"
