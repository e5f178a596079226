// The splash window: its drawing, its place and look, the random colouring
// tick by tick, and the click that asks for the main window (main() opens it
// and closes the splash; the end-to-end session goes through that).
#include "platform/flood_fill.h"
#include "platform/units.h"
#include "shell/picture_box.h"
#include "splash/splash_drawing.h"
#include "splash/splash_window.h"
#include "tests/support/areas.h"
#include "tests/support/samples.h"
#include "tests/support/test_folder.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <algorithm>

using platform::toQRgb;

namespace {

constexpr QRgb kBlack = 0xFF000000u;

splash::SeedClock fixedClock(std::uint64_t seed)
{
    return [seed] { return seed; };
}

// What the next tick of a splash seeded with `seed` chooses, after `skip` ticks.
splash::Tick nextTick(std::uint64_t seed, int skip, QSize box)
{
    splash::Random random(seed);
    std::array<double, 5> r{};
    for (int tick = 0; tick <= skip; ++tick)
        for (double& v : r)
            v = random.next();
    return splash::chooseTick(r, box);
}

// The first seed whose first tick lands on a pixel of colour `rgb`.
std::uint64_t seedLandingOn(const QImage& image, QRgb rgb)
{
    for (std::uint64_t seed = 1;; ++seed)
        if (image.pixel(nextTick(seed, 0, image.size()).point) == rgb)
            return seed;
}

// A splash seeded with `seed`.
struct Splash {
    std::unique_ptr<Form2> window;
    explicit Splash(std::uint64_t seed) : window(std::make_unique<Form2>(fixedClock(seed))) {}
};

QImage afterTicks(std::uint64_t seed, int ticks)
{
    Splash s(seed);
    for (int i = 0; i < ticks; ++i)
        s.window->Timer1_Timer();
    return s.window->Picture1->Image();
}

} // namespace

class SplashTest : public QObject {
    Q_OBJECT
private slots:
    void drawingIsTwoColoursWithThickOutlinesAndManyAreas();
    void chancesMakePointsAndColours();
    void standsCentredAboveTheMiddleOfTheScreen();
    void tickFillsTheAreaAroundARandomPoint();
    void tickOnAnOutlineRecoloursTheConnectedOutline();
    void ticksEvery350Milliseconds();
    void runsColourDifferently();
    void clickOnTheDrawingAsksForTheMainWindowOnce();
};

// Black outlines at least two pixels thick on near-white, many closed areas.
void SplashTest::drawingIsTwoColoursWithThickOutlinesAndManyAreas()
{
    const QImage drawing = splashDrawing();
    QVERIFY(std::abs(drawing.width() - 518) <= 10 && std::abs(drawing.height() - 528) <= 10);
    QCOMPARE(testsupport::coloursOf(drawing), QSet<QRgb>({kBlack, qRgb(253, 253, 253)}));
    QCOMPARE(testsupport::thinOutlinePixel(drawing, kBlack), QPoint(-1, -1));
    const testsupport::AreaMap areas = testsupport::mapAreas(drawing, kBlack);
    QVERIFY(areas.count() >= 30);
    QVERIFY(*std::min_element(areas.size.begin(), areas.size.end()) >= 20);
}

void SplashTest::chancesMakePointsAndColours()
{
    const QSize box(521, 513);
    splash::Tick t = splash::chooseTick({0, 0, 0, 0, 0}, box);
    QCOMPARE(t.point, QPoint(0, 0));
    QCOMPARE(t.colour, 0u);
    const double almostOne = 1 - 0x1.0p-53;
    t = splash::chooseTick({almostOne, almostOne, almostOne, almostOne, almostOne}, box);
    QCOMPARE(t.point, QPoint(520, 512));
    QCOMPARE(t.colour, 0x00FFFFFFu);
    t = splash::chooseTick({0.5, 0.25, 0.5, 0.25, 1.0 / 256}, box);
    QCOMPARE(t.point, QPoint(260, 128));
    QCOMPARE(t.colour, platform::rgbValue(128, 64, 1));

    splash::Random a(7), b(7), c(8);
    double lowest = 1, highest = 0;
    bool differs = false;
    for (int i = 0; i < 10000; ++i) {
        const double v = a.next();
        QCOMPARE(b.next(), v);
        differs = differs || c.next() != v;
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    QVERIFY(differs);
    QVERIFY(lowest >= 0 && lowest < 0.001);
    QVERIFY(highest < 1 && highest > 0.999);
}

void SplashTest::standsCentredAboveTheMiddleOfTheScreen()
{
    Splash s(1);
    Form2& form = *s.window;
    const QSize screen = form.screen()->geometry().size();
    const double left = std::floor((screen.width() * 15.0 - 7755) / 2);
    const double top = std::floor((screen.height() * 15.0 - 8505) / 2) - 225;
    QCOMPARE(QRectF(form.Left(), form.Top(), form.Width(), form.Height()), QRectF(left, top, 7755, 8505));
    QCOMPARE(form.geometry(), QRect(platform::twipsToPixels(left), platform::twipsToPixels(top), 517, 567));
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::white));

    QCOMPARE(form.Picture1->geometry(), QRect(0, 0, 521, 513));
    QCOMPARE(form.Picture1->scaleMode(), PictureBox::ScaleMode::Pixels);
    QVERIFY(form.Picture1->FillSolid());
    QCOMPARE(form.Label1[0]->text(), "TINTARO 5.0");
    QCOMPARE(form.Label1[2]->text(), "Software gratuito");
    QCOMPARE(form.Label1[1]->geometry(), QRect(-56, 536, 473, 33));
    QCOMPARE(QFontInfo(form.Label1[0]->font()).family(), "Comic Neue");
    QVERIFY(QFontInfo(form.Label1[0]->font()).bold());
    QCOMPARE(QFontInfo(form.Label1[2]->font()).family(), "Liberation Sans");
    QCOMPARE(form.Label1[0]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(form.Label1[1]->palette().color(QPalette::WindowText), QColor(192, 0, 192));
    QCOMPARE(form.Label1[2]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

void SplashTest::tickFillsTheAreaAroundARandomPoint()
{
    const std::uint64_t seed = 20240611;
    Splash s(seed);
    PictureBox& picture = *s.window->Picture1;
    for (int tick = 0; tick < 20; ++tick) {
        const QImage before = picture.Image();
        const splash::Tick chosen = nextTick(seed, tick, before.size());
        QImage expected = before;
        const QRgb under = before.pixel(chosen.point);
        const QRect area = platform::floodFillSurface(expected, chosen.point, under, toQRgb(chosen.colour));
        QVERIFY(!area.isEmpty());
        s.window->Timer1_Timer();
        QCOMPARE(picture.FillColor(), chosen.colour);
        QCOMPARE(picture.Image(), expected);
        QCOMPARE(s.window->fillCount(), tick + 1);
    }
}

void SplashTest::tickOnAnOutlineRecoloursTheConnectedOutline()
{
    const QImage drawing = afterTicks(1, 0);
    const std::uint64_t seed = seedLandingOn(drawing, kBlack);
    const splash::Tick chosen = nextTick(seed, 0, drawing.size());
    QImage outline = drawing;
    const qint64 blackBefore = testsupport::countColour(drawing, kBlack);
    platform::floodFillSurface(outline, chosen.point, kBlack, qRgb(1, 2, 3));
    const qint64 connected = testsupport::countColour(outline, qRgb(1, 2, 3));

    const QImage after = afterTicks(seed, 1);
    QCOMPARE(testsupport::countColour(after, toQRgb(chosen.colour)), connected);
    // The rest of the drawing keeps its outlines and its near-white.
    QCOMPARE(testsupport::countColour(after, kBlack), blackBefore - connected);
    const QRgb nearWhite = qRgb(253, 253, 253);
    QCOMPARE(testsupport::countColour(after, nearWhite), testsupport::countColour(drawing, nearWhite));
}

void SplashTest::ticksEvery350Milliseconds()
{
    Splash s(5);
    Form2& form = *s.window;
    QCOMPARE(form.Timer1->interval(), 350);
    QVERIFY(form.Timer1->isActive());
    QVERIFY(!form.Timer1->isSingleShot());
    QCOMPARE(form.fillCount(), 0);
    QTRY_VERIFY(form.fillCount() >= 1);

    // Ten seconds of ticks: 28 of them, each colouring an area.
    Splash counted(6);
    counted.window->Timer1->stop();
    for (int i = 0; i < 10000 / 350; ++i)
        counted.window->Timer1_Timer();
    QCOMPARE(counted.window->fillCount(), 28);
}

void SplashTest::runsColourDifferently()
{
    QCOMPARE(afterTicks(3, 5), afterTicks(3, 5));
    QVERIFY(afterTicks(3, 5) != afterTicks(4, 5));
    const std::uint64_t first = splash::systemClockSeed();
    QTRY_VERIFY(splash::systemClockSeed() != first);
}

void SplashTest::clickOnTheDrawingAsksForTheMainWindowOnce()
{
    Splash s(9);
    Form2& splash = *s.window;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QSignalSpy asked(&splash, &Form2::drawingClicked);
    // The captions and the margin take no clicks.
    QTest::mouseClick(splash.Label1[2], Qt::LeftButton);
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(10, 550));
    QCOMPARE(asked.size(), 0);

    // A second click can come before the main window is up: it asks nothing more.
    QTest::mouseClick(splash.Picture1, Qt::LeftButton, {}, QPoint(200, 300));
    QTest::mouseClick(splash.Picture1, Qt::LeftButton, {}, QPoint(210, 300));
    QCOMPARE(asked.size(), 1);
    // Hidden once the main window is up, the colouring stops.
    splash.hide();
    QVERIFY(!splash.Timer1->isActive());
}

QTEST_MAIN(SplashTest)
#include "test_splash.moc"
