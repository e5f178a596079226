// The pencil and the straight line: dots, strokes, the rubber band, which
// buttons draw, and fills stopping at drawn lines.
#include "tests/canvas/canvas_fixture.h"

#include <QLineF>

using namespace canvastest;
using testsupport::sendMouse;

namespace {

constexpr QRgb kBlue = 0xFF0000FF;
const QString kLarge = "animales.gif";

// A blank 160 x 100 canvas with the given tool chosen, drawing in blue.
struct Drawing : Canvas {
    explicit Drawing(int tool) : Canvas(kLarge, blankPage())
    {
        form->Image2_Click(tool);
        setColour(kBlue);
        showAndWait();
    }
    static QImage blankPage()
    {
        QImage page(160, 100, QImage::Format_RGB32);
        page.fill(kWhite);
        return page;
    }
    QImage shown() const { return canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb shownAt(QPoint p) const { return shown().pixel(p + QPoint(1, 1)); }
    void move(QPoint p, Qt::MouseButtons held = Qt::LeftButton) const
    {
        sendMouse(canvas(), QEvent::MouseMove, Qt::NoButton, held, p);
    }
};

double distanceToSegment(QPointF p, QLineF segment)
{
    const QPointF d = segment.p2() - segment.p1();
    const double lengthSquared = QPointF::dotProduct(d, d);
    double t = lengthSquared == 0 ? 0 : QPointF::dotProduct(p - segment.p1(), d) / lengthSquared;
    t = std::clamp(t, 0.0, 1.0);
    return QLineF(p, segment.p1() + t * d).length();
}

// Every changed pixel is blue and lies within the pen of `segment` (width
// `pen`), and the segment's centre line is blue all along.
void verifySegment(const QImage& before, const QImage& after, QLineF segment, int pen)
{
    const QList<QPoint> changed = changedPixels(before, after);
    QVERIFY(!changed.isEmpty());
    for (const QPoint p : changed) {
        QCOMPARE(after.pixel(p), kBlue);
        QVERIFY2(distanceToSegment(QPointF(p), segment) <= pen / 2.0 + 1.0,
                 qPrintable(QString("stray pixel at %1, %2").arg(p.x()).arg(p.y())));
    }
    for (int i = 0; i <= 20; ++i)
        QCOMPARE(after.pixel(segment.pointAt(i / 20.0).toPoint()), kBlue);
}

} // namespace

class PencilLineTest : public QObject {
    Q_OBJECT
private slots:
    void pencilPressWithoutMovingLeavesADot();
    void pencilStrokeIsContinuousAndUndoesAsOne();
    void straightLineShowsOneRubberBandAndLeavesOneSegment();
    void straightLinePressAndReleaseAtOnePointLeavesADot();
    void movesWithoutTheLeftButtonAloneDrawNothing();
    void rightPressStillTakesASnapshot();
    void texturePaintingStopsMovesAndReleases();
    void strokesBeyondTheEdgeAreClipped();
    void fillsStopAtPencilLines();
};

void PencilLineTest::pencilPressWithoutMovingLeavesADot()
{
    Drawing d(1);
    const QImage before = d.image();
    d.click({50, 40});
    QCOMPARE(d.canvas()->DrawWidth(), 4);
    verifySegment(before, d.image(), QLineF(50, 40, 50, 40), 4);
    QCOMPARE(d.form->SnapshotIndex, std::int16_t(1));
    QVERIFY(!d.canvas()->AutoRedraw());
}

void PencilLineTest::pencilStrokeIsContinuousAndUndoesAsOne()
{
    Drawing d(1);
    const QImage before = d.image();
    d.drag({20, 40}, {{27, 40}, {41, 40}, {62, 40}, {80, 40}}, {80, 40});
    const QImage after = d.image();
    verifySegment(before, after, QLineF(20, 40, 80, 40), 4);
    QCOMPARE(d.shownAt({50, 40}), kBlue);
    QCOMPARE(d.form->LastX, 80.0f);
    QCOMPARE(d.form->LastY, 40);
    QCOMPARE(d.form->SnapshotIndex, std::int16_t(1));
    d.form->Command6_Click();
    QCOMPARE(d.image(), before);
}

void PencilLineTest::straightLineShowsOneRubberBandAndLeavesOneSegment()
{
    Drawing d(2);
    const QImage before = d.image();
    sendMouse(d.canvas(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {20, 20});
    QCOMPARE(d.image(), before);
    d.move({140, 20});
    QCOMPARE(d.shownAt({80, 20}), kBlue);
    d.move({20, 90});
    d.move({100, 60});
    QCOMPARE(d.image(), before); // the rubber band is on screen only
    QCOMPARE(d.shownAt({60, 40}), kBlue);
    QCOMPARE(d.shownAt({80, 20}), kWhite);
    QCOMPARE(d.shownAt({20, 55}), kWhite);
    QCOMPARE(d.form->LastX, 20.0f);
    sendMouse(d.canvas(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {120, 40});
    verifySegment(before, d.image(), QLineF(20, 20, 120, 40), 4);
    QCOMPARE(d.shownAt({60, 40}), kWhite);
    QCOMPARE(d.shown().copy(1, 1, 160, 100), d.image());
    QCOMPARE(d.form->SnapshotIndex, std::int16_t(1));
}

void PencilLineTest::straightLinePressAndReleaseAtOnePointLeavesADot()
{
    Drawing d(2);
    const QImage before = d.image();
    d.click({70, 30});
    verifySegment(before, d.image(), QLineF(70, 30, 70, 30), 4);
}

void PencilLineTest::movesWithoutTheLeftButtonAloneDrawNothing()
{
    for (const int tool : {1, 2}) {
        Drawing d(tool);
        const QImage before = d.image();
        d.move({10, 10}, Qt::NoButton);
        d.move({90, 80}, Qt::NoButton);
        d.move({30, 70}, Qt::RightButton);
        d.move({60, 10}, Qt::LeftButton | Qt::RightButton);
        sendMouse(d.canvas(), QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {60, 10});
        QCOMPARE(d.image(), before);
        QCOMPARE(d.shown().copy(1, 1, 160, 100), before);
        QCOMPARE(d.form->SnapshotIndex, std::int16_t(0));
    }
}

void PencilLineTest::rightPressStillTakesASnapshot()
{
    for (const int tool : {1, 2}) {
        Drawing d(tool);
        const QImage before = d.image();
        sendMouse(d.canvas(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {30, 30});
        QCOMPARE(d.form->SnapshotIndex, std::int16_t(1));
        QVERIFY(d.form->DrawingModified);
        const QImage pressed = d.image();
        if (tool == 1)
            verifySegment(before, pressed, QLineF(30, 30, 30, 30), 4);
        else
            QCOMPARE(pressed, before);
        d.move({90, 60}, Qt::RightButton);
        sendMouse(d.canvas(), QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {90, 60});
        QCOMPARE(d.image(), pressed);
    }
}

void PencilLineTest::texturePaintingStopsMovesAndReleases()
{
    for (const int tool : {1, 2}) {
        Drawing d(tool);
        sendMouse(d.canvas(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {30, 30});
        const QImage pressed = d.image();
        d.form->UseColour = false;
        d.move({90, 60});
        sendMouse(d.canvas(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {90, 60});
        QCOMPARE(d.image(), pressed);
    }
}

void PencilLineTest::strokesBeyondTheEdgeAreClipped()
{
    Drawing d(1);
    const QImage before = d.image();
    d.drag({40, 50}, {{-30, 50}}, {-30, 50});
    verifySegment(before, d.image(), QLineF(0, 50, 40, 50), 4);
    QCOMPARE(d.image().pixel(0, 50), kBlue);
}

void PencilLineTest::fillsStopAtPencilLines()
{
    // A vertical pencil line across the page splits it; the surface rule
    // fills one side only, with no blended pixel to leak through.
    Drawing d(1);
    d.drag({80, -10}, {{80, 50}, {80, 110}}, {80, 110});
    d.form->Image2_Click(0);
    d.setColour(0xFFFF0000);
    d.click({20, 50});
    const QImage after = d.image();
    for (int y = 0; y < after.height(); ++y) {
        QCOMPARE(after.pixel(0, y), qRgb(255, 0, 0));
        QCOMPARE(after.pixel(159, y), kWhite);
    }
    QCOMPARE(testsupport::countColour(after, qRgb(255, 0, 0)) + testsupport::countColour(after, kBlue)
                 + testsupport::countColour(after, kWhite),
             qint64(160 * 100));
}

QTEST_MAIN(PencilLineTest)
#include "test_pencil_line.moc"
