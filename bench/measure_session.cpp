// Measures the program as a child meets it, on the X display it runs on:
// process start to the splash drawn, the click on the splash to the main
// window shown with page 1 and its background, and the resident memory after
// ten page changes. Prints the figures of each run; asserts nothing. With a
// scale of 2 the program runs as on a desktop scaled to 200 %.
//   tintaro_measure_session <program> <program folder> [runs] [scale]
#include "canvas/page_placement.h"
#include "platform/picture_io.h"
#include "tests/e2e/screen_places.h"
#include "tests/e2e/x_display.h"
#include "tests/support/test_folder.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

QImage grab(const QRect& area)
{
    const QPixmap shot =
        QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

// Milliseconds on `clock` when `ready` first holds for a grab of `area`, or -1.
double waitFor(const QElapsedTimer& clock, const QRect& area, const std::function<bool(const QImage&)>& ready)
{
    while (clock.elapsed() < 20000) {
        if (ready(grab(area)))
            return clock.nsecsElapsed() / 1e6;
    }
    return -1;
}

// The program folder without coloured copies, and the program.
bool install(const QString& program, const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(from).relativeFilePath(file);
        if ((relative.startsWith("dibujos/") && relative.endsWith(".bmp"))
            || (!relative.contains('/') && QFileInfo(file).isExecutable()))
            continue;
        if (!QDir().mkpath(QFileInfo(to + "/" + relative).path()) || !QFile::copy(file, to + "/" + relative))
            return false;
    }
    return QFile::copy(program, to + "/tintaro");
}

double residentMiB(qint64 pid)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

// Processor time the process has had so far, all its threads, in milliseconds:
// what the figures would come to on an idle machine, less the waits on X.
double processorMs(qint64 pid)
{
    double ns = 0;
    const QDir tasks(QString("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + "/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            ns += schedstat.readAll().split(' ').first().toDouble();
    }
    return ns / 1e6;
}

class Run {
public:
    Run(const QString& folder, const e2e::XDisplay& x);
    double startToSplash();
    double clickToMainWindow();
    double residentAfterTenPages();
    double processorMs() const { return ::processorMs(program_.processId()); }
    void leave();

private:
    QString folder_;
    const e2e::XDisplay& x_;
    e2e::ScreenPlaces at_;
    QProcess program_;
};

Run::Run(const QString& folder, const e2e::XDisplay& x)
    : folder_(folder), x_(x), at_(e2e::placesOn(QGuiApplication::primaryScreen()->geometry().size(), x.scale()))
{
    program_.setProcessEnvironment(x.environment());
}

double Run::startToSplash()
{
    QElapsedTimer clock;
    clock.start();
    program_.start(folder_ + "/tintaro", {});
    if (!program_.waitForStarted())
        return -1;
    // Drawn: the white margin ends at the window's right edge and the outlines are there.
    return waitFor(clock, at_.splash.adjusted(0, 0, 1, 0), [](const QImage& s) {
        const int y = s.height() - 2;
        return s.pixel(0, y) == kWhite && s.pixel(s.width() - 2, y) == kWhite
            && s.pixel(s.width() - 1, y) != kWhite
            && testsupport::countColour(s, 0xFF000000u) > 1000;
    });
}

double Run::clickToMainWindow()
{
    const QString logo = QDir(folder_ + "/logos").entryList(QDir::Files, QDir::Name).first();
    const QImage page = platform::loadPicture(folder_ + "/dibujos/" + logo.chopped(4) + "/1.gif");
    QImage page1(at_.canvas.size(), QImage::Format_RGB32);
    canvas::fitPicture(page1, page, page.size(), canvas::edgeLineWidth(x_.scale()));
    const QImage tile = QImage(folder_ + "/fondo.jpg").convertToFormat(QImage::Format_RGB32);
    const QPoint gap = at_.backgroundGap.topLeft();
    const QRect seen = at_.canvas.united(at_.backgroundGap);
    QElapsedTimer clock;
    clock.start();
    x_.click(at_.splash.topLeft() + QPoint(260, 250) * x_.scale());
    return waitFor(clock, seen, [&](const QImage& s) {
        const QPoint texel(gap.x() / x_.scale(), gap.y() / x_.scale());
        return s.copy(at_.canvas.translated(-seen.topLeft())) == page1
            && s.pixel(gap - seen.topLeft()) == tile.pixel(texel.x() % tile.width(), texel.y() % tile.height());
    });
}

double Run::residentAfterTenPages()
{
    for (int i = 0; i < 10; ++i) {
        const QImage before = grab(at_.canvas);
        QElapsedTimer clock;
        clock.start();
        x_.click(at_.nextPage);
        waitFor(clock, at_.canvas, [&](const QImage& s) { return s != before || clock.elapsed() > 2000; });
    }
    QThread::msleep(500);
    return residentMiB(program_.processId());
}

void Run::leave()
{
    x_.click(at_.door);
    if (!program_.waitForFinished(10000))
        program_.kill();
    program_.waitForFinished();
}

} // namespace

int main(int argc, char* argv[])
{
    // This program sees the screen in device pixels; only the program measured is scaled.
    qunsetenv("QT_SCALE_FACTOR");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program> <program folder> [runs] [scale]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
    const int scale = argc > 4 ? std::max(1, std::atoi(argv[4])) : 1;
    const QString program = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString source = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const e2e::XDisplay x(qEnvironmentVariable("DISPLAY"), QString(), scale);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    std::printf("screen %dx%d, scale %d\n", screen.width(), screen.height(), scale);
    for (int n = 1; n <= runs; ++n) {
        const QTemporaryDir folder;
        if (!install(program, source, folder.path())) {
            std::fprintf(stderr, "cannot copy the program folder\n");
            return 1;
        }
        Run run(folder.path(), x);
        const double splash = run.startToSplash();
        const double splashProcessor = run.processorMs();
        const double mainWindow = run.clickToMainWindow();
        const double mainWindowProcessor = run.processorMs() - splashProcessor;
        const double resident = run.residentAfterTenPages();
        run.leave();
        std::printf("run %d: start to splash drawn %.0f ms (processor %.0f ms), click to main window %.0f ms "
                    "(processor %.0f ms), resident after ten page changes %.1f MiB\n",
                    n, splash, splashProcessor, mainWindow, mainWindowProcessor, resident);
        std::fflush(stdout);
    }
    return 0;
}
