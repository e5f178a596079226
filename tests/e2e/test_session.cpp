// A child's session with the real program, driven from outside under an X
// server: the splash, a page coloured, the next page (a ring, round on
// screen), the door.
#include "platform/flood_fill.h"
#include "platform/picture_io.h"
#include "tests/e2e/screen_places.h"
#include "tests/e2e/session_steps.h"
#include "tests/e2e/x_display.h"
#include "tests/support/test_folder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

namespace {

using e2e::fittedPage;
using e2e::kBlack;
using e2e::kRed;
using e2e::kWhite;
using e2e::pointInsideAnArea;
using e2e::showsSplash;

// A page of the book's size with a ring in the middle, 900 pixels to the
// middle of its line.
QImage ringPage(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(kWhite);
    QPainter p(&page);
    p.setPen(QPen(Qt::black, 12));
    p.drawEllipse(QPointF(size.width() / 2.0, size.height() / 2.0), 900, 900);
    return page;
}

// The inside of the ring in the middle of the canvas is as wide as it is high.
bool roundRing(const QImage& canvas)
{
    QImage probe = canvas;
    const QRect inside = platform::floodFillBorder(probe, QPoint(canvas.width() / 2, canvas.height() / 2), kBlack, kRed);
    return !inside.isEmpty() && std::abs(inside.width() - inside.height()) <= 1;
}

// Only the tiles of the background picture show in `strip`, each tile pixel
// covering `ratio` x `ratio` device pixels.
bool showsBackground(const QImage& screen, const QRect& strip, const QImage& tile, int ratio)
{
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x)
            if (screen.pixel(x, y) != tile.pixel(x / ratio % tile.width(), y / ratio % tile.height()))
                return false;
    return true;
}

bool fileAppears(const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(path) && clock.elapsed() < 60000)
        QTest::qWait(50);
    return QFile::exists(path);
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void childColoursAPageAndLeaves_data();
    void childColoursAPageAndLeaves();
};

void SessionTest::childColoursAPageAndLeaves_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("scale");
    QTest::newRow("1024x768") << qEnvironmentVariable("DISPLAY") << 1;
    QTest::newRow("1920x1080") << qEnvironmentVariable("TINTARO_DISPLAY_1920") << 1;
    QTest::newRow("3840x2160 at 200%") << qEnvironmentVariable("TINTARO_DISPLAY_3840") << 2;
}

void SessionTest::childColoursAPageAndLeaves()
{
    QFETCH(QString, display);
    QFETCH(int, scale);
    if (display.isEmpty())
        QSKIP("no X server of that size");
    const e2e::XDisplay x(display, TINTARO_SCREEN_GRAB, scale);
    const QSize screen = x.screenshot().size();
    QVERIFY(!screen.isEmpty());
    const e2e::ScreenPlaces at = e2e::placesOn(screen, scale);

    // The program folder as installed, the program in it.
    const testsupport::TestFolder folder(true);
    folder.installProgram(TINTARO_EXECUTABLE);
    const QString set = QDir(folder.file("logos")).entryList(QDir::Files, QDir::Name).first().chopped(4);
    const QString pages = folder.file("dibujos/" + set + "/");
    const QSize pageSize = platform::loadPicture(pages + "1.gif").size();
    folder.writeImage("dibujos/" + set + "/2.gif", ringPage(pageSize));

    QProcess program;
    const auto stopLeftover = qScopeGuard([&program] {
        program.kill();
        program.waitForFinished();
    });
    program.setProcessEnvironment(x.environment());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(folder.file("tintaro"), {});
    QVERIFY(program.waitForStarted());

    // The splash shows its drawing at its place; a click on it opens the book.
    QVERIFY(!x.waitForScreen([&](const QImage& s) { return showsSplash(s, at.splash); }).isNull());
    x.click(at.splash.topLeft() + QPoint(260, 250) * scale);

    // One frameless window over the whole screen, page 1 on the canvas, the
    // background tiled where no control stands.
    const QImage page1 = fittedPage(pages + "1.gif", at.canvas.size(), scale);
    const QImage opened = x.waitForScreen([&](const QImage& s) { return s.copy(at.canvas) == page1; });
    QVERIFY2(!opened.isNull(), "page 1 never showed on the canvas");
    const QStringList windows = x.visibleWindows(program.processId());
    QCOMPARE(windows.size(), 1);
    QCOMPARE(x.windowGeometry(windows.first()), QRect(QPoint(0, 0), screen));
    QVERIFY(x.isFrameless(windows.first()));
    const QImage tile = QImage(folder.file("fondo.jpg")).convertToFormat(QImage::Format_RGB32);
    QVERIFY(showsBackground(opened, at.backgroundGap, tile, scale));

    // A press inside an area floods it with red, the first colour.
    const QPoint inside = pointInsideAnArea(page1);
    QVERIFY2(inside.x() >= 0, "page 1 has no closed area to colour");
    const QImage coloured = e2e::colouredAt(page1, inside, set.contains("peque"));
    x.click(at.canvas.topLeft() + inside);
    x.moveTo(at.backgroundGap.topLeft());
    QVERIFY2(!x.waitForScreen([&](const QImage& s) { return s.copy(at.canvas) == coloured; }).isNull(),
             "the area did not turn red, or more than the area did");

    // The next page: the coloured one is kept as "1.bmp", page 2 comes up.
    x.click(at.nextPage);
    QVERIFY(fileAppears(pages + "1.bmp"));
    QCOMPARE(QImage(pages + "1.bmp").convertToFormat(QImage::Format_RGB32), coloured);
    // The next page, a ring, shows round.
    const QImage page2 = fittedPage(pages + "2.gif", at.canvas.size(), scale);
    const QImage shown = x.waitForScreen([&](const QImage& s) { return s.copy(at.canvas) == page2; });
    QVERIFY(!shown.isNull());
    QVERIFY2(roundRing(shown.copy(at.canvas)), "the ring is not round on screen");

    // The door ends the program; the coloured page stays, the untouched one has no copy.
    x.click(at.door);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QImage(pages + "1.bmp").convertToFormat(QImage::Format_RGB32), coloured);
    QStringList copies = QDir(pages).entryList(QDir::Files);
    copies.removeIf([](const QString& name) { return name.endsWith(".gif"); });
    QCOMPARE(copies, QStringList{"1.bmp"});
}

int main(int argc, char* argv[])
{
    // An X test: skipped without a server. The test itself needs no screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return 77;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_session.moc"
