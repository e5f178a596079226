// Ten thousand random events on the real main window under an X server:
// afterwards nothing has crashed, the heap has stopped growing, every
// coloured copy is a whole BMP of a canvas's size, and nothing was written
// outside "dibujos".
//   TINTARO_SESSION_SEED     the seed (printed at the start; set it to replay)
//   TINTARO_SESSION_EVENTS   events to send (10000; more for a long run)
//   TINTARO_SESSION_NO_PRINTER=1   no print server reachable, a fifth of the events
#include "platform/picture_io.h"
#include "shell/main_window.h"
#include "tests/robustness/broken_folder.h"
#include "tests/robustness/folder_state.h"
#include "tests/robustness/random_session.h"
#include "tests/support/test_folder.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QtTest>

#include <cstdio>

using robustness::Action;

namespace {

constexpr quint32 kDefaultSeed = 20261208;
constexpr int kDefaultEvents = 10000;
constexpr int kSampleEvery = 100;
// What the heap may grow by across the second half: about two canvases.
constexpr qint64 kAllowedGrowth = 8 << 20;

bool noPrinter() { return qEnvironmentVariableIntValue("TINTARO_SESSION_NO_PRINTER") == 1; }

quint32 sessionSeed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("TINTARO_SESSION_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

int sessionEvents()
{
    const int asked = qEnvironmentVariableIntValue("TINTARO_SESSION_EVENTS");
    const int events = asked > 0 ? asked : kDefaultEvents;
    return noPrinter() ? std::max(1, events / 5) : events;
}

// The names of the print jobs' PDFs the cups-pdf queue has written so far.
QSet<QString> printedFiles()
{
    const QString folder = qEnvironmentVariable("TINTARO_CUPS_PDF_DIR");
    if (folder.isEmpty())
        return {};
    const QStringList names = QDir(folder).entryList({"*.pdf"}, QDir::Files);
    return {names.cbegin(), names.cend()};
}

// Waits for the print queue to empty, then removes the PDFs this session printed.
void removePrintedFiles(const QSet<QString>& before)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        QProcess queue;
        queue.start("lpstat", {"-o"});
        if (!queue.waitForFinished(5000) || queue.readAllStandardOutput().trimmed().isEmpty())
            break;
        QTest::qWait(200);
    }
    const QString folder = qEnvironmentVariable("TINTARO_CUPS_PDF_DIR");
    for (const QString& name : printedFiles() - before)
        QFile::remove(folder + "/" + name);
}

// The sizes a coloured copy may have: the fitted canvas, or a page at its
// natural size after the page-as-loaded button.
QList<QSize> canvasSizes(const QString& programFolder, QSize fitted)
{
    QList<QSize> sizes{fitted};
    QDirIterator pages(programFolder + "/dibujos", {"*.gif"}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext())
        sizes.append(platform::loadPicture(pages.next()).size());
    return sizes;
}

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT
private slots:
    void childHammersEveryControl();

private:
    void checkCopies(const testsupport::TestFolder& folder, QSize fitted, const QString& seedNote);
};

void RandomSessionTest::childHammersEveryControl()
{
    const quint32 seed = sessionSeed();
    const int events = sessionEvents();
    std::printf("random session: seed %u, %d events%s (TINTARO_SESSION_SEED=%u replays it)\n", seed, events,
                noPrinter() ? ", no printer" : "", seed);
    std::fflush(stdout);
    const QString seedNote = QString(" (seed %1)").arg(seed);

    const testsupport::TestFolder folder(true);
    if (QTest::currentTestFailed())
        return;
    robustness::halvePages(folder);
    if (QTest::currentTestFailed())
        return;
    const robustness::FolderState outside = robustness::folderState(folder.path(), "dibujos");
    const QSet<QString> printedBefore = printedFiles();
    Form1 form(folder.path());
    form.setGeometry(form.screen()->geometry());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QSize fitted = form.Picture1->Image().size();

    robustness::RandomSession session(form, seed);
    // Without a printer a press costs nothing: press it often.
    if (noPrinter())
        session.setWeight(Action::Print, 30);
    QList<qint64> heap;
    int sent = 0;
    QElapsedTimer clock;
    clock.start();
    while (sent < events) {
        const int before = sent;
        sent += session.perform(session.pick());
        if (sent / kSampleEvery != before / kSampleEvery) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            heap << robustness::heapInUse();
        }
    }
    const qint64 elapsed = clock.elapsed();

    // The heap across the second half: the largest figure of its last tenth
    // against the largest of the tenth before the half.
    const qsizetype tenth = std::max<qsizetype>(1, heap.size() / 10);
    const auto half = heap.cbegin() + heap.size() / 2;
    const qint64 middle = *std::max_element(half - tenth, half);
    const qint64 end = *std::max_element(heap.cend() - tenth, heap.cend());
    std::printf("%d events in %lld ms; heap %.1f MB at the half, %.1f MB at the end\n", sent,
                static_cast<long long>(elapsed), middle / 1048576.0, end / 1048576.0);
    for (auto it = session.performed().cbegin(); it != session.performed().cend(); ++it)
        std::printf("  %-22s %d\n", qPrintable(it.key()), it.value());
    QVERIFY2(end - middle <= kAllowedGrowth,
             qPrintable(QString("the heap grew by %1 MB").arg((end - middle) / 1048576.0) + seedNote));

    // The door keeps the page being coloured, as it would at the end of a real session.
    const bool modified = form.DrawingModified;
    const QImage canvas = form.Picture1->Image();
    QVERIFY(session.perform(Action::Door) > 0);
    if (modified && form.SetName(form.SetIndex).size() > 0) {
        const QString copy =
            folder.file(QString("dibujos/%1/%2.bmp").arg(form.SetName(form.SetIndex)).arg(form.PageNumber));
        QVERIFY2(platform::loadPicture(copy) == canvas, qPrintable("the door lost the page" + seedNote));
    }
    checkCopies(folder, fitted, seedNote);
    const QStringList written =
        robustness::differences(outside, robustness::folderState(folder.path(), "dibujos"));
    QVERIFY2(written.isEmpty(), qPrintable("written outside dibujos" + seedNote + ":\n" + written.join('\n')));
    removePrintedFiles(printedBefore);
}

// Every file beside the pages is a whole coloured copy "<n>.bmp" of a canvas's size.
void RandomSessionTest::checkCopies(const testsupport::TestFolder& folder, QSize fitted, const QString& seedNote)
{
    const QList<QSize> sizes = canvasSizes(folder.path(), fitted);
    const QRegularExpression pageName("^[1-9][0-9]*\\.(gif|bmp)$");
    QDirIterator files(folder.file("dibujos"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    int copies = 0;
    while (files.hasNext()) {
        const QString path = files.next();
        QVERIFY2(pageName.match(files.fileName()).hasMatch(), qPrintable("a stray file " + path + seedNote));
        if (!path.endsWith(".bmp"))
            continue;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("BM"));
        const QImage copy = platform::loadPicture(path);
        QVERIFY2(!copy.isNull(), qPrintable("an unreadable copy " + path + seedNote));
        QVERIFY2(sizes.contains(copy.size()), qPrintable("a copy of a size no canvas has: " + path + seedNote));
        ++copies;
    }
    std::printf("%d coloured copies on disk, all whole\n", copies);
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return 77;
    if (noPrinter()) {
        qputenv("CUPS_SERVER", QDir::tempPath().toLocal8Bit() + "/tintaro-no-cups-here/cups.sock");
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
    }
    QApplication app(argc, argv);
    RandomSessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_random_session.moc"
