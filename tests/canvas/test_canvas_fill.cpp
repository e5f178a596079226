// Colour fills pressed on the canvas: both rules, every button, the snapshot
// taken before each fill, and what the canvas shows afterwards.
#include "tests/canvas/canvas_fixture.h"

using namespace canvastest;
using testsupport::countColour;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
const QString kSmall = "pequenos.gif";
const QString kLarge = "animales.gif";

class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

class CanvasFillTest : public QObject {
    Q_OBJECT
private slots:
    void everyButtonFillsFromStartUp();
    void borderRuleCoversEarlierColoursInside();
    void borderRuleOnAnOutlineChangesNothingButTakesASnapshot();
    void borderRuleLeaksThroughAGap();
    void surfaceRuleRecoloursOnlyTheConnectedColour();
    void surfaceRuleOnTheLineArtRecoloursTheConnectedLines();
    void surfaceRuleWithTheSameColourOnlyTakesASnapshot();
    void theCanvasShowsTheFillWithDrawingOffAgain();
    void onePressCopiesTheImageOnce();
};

void CanvasFillTest::everyButtonFillsFromStartUp()
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        Canvas c(kSmall);
        QCOMPARE(c.form->CurrentTool, std::int16_t(0));
        const QImage before = c.image();
        c.click(kInA, button);
        const QImage after = c.image();
        QCOMPARE(countColour(after, kRed), qint64(kBoxInner));
        QCOMPARE(after.pixel(11, 11), kRed);
        QCOMPARE(after.pixel(48, 38), kRed);
        QCOMPARE(changedPixels(before, after).size(), qsizetype(kBoxInner));
        QCOMPARE(c.form->SnapshotIndex, std::int16_t(1));
        QVERIFY(c.form->DrawingModified);
        QCOMPARE(c.canvas()->FillColor(), platform::rgbValue(255, 0, 0));
    }
}

void CanvasFillTest::borderRuleCoversEarlierColoursInside()
{
    Canvas c(kSmall);
    QImage& persistent = c.canvas()->persistentImage();
    persistent.setPixel(20, 20, qRgb(128, 128, 128)); // a grey edge pixel
    persistent.setPixel(30, 30, qRgb(0, 0, 1));       // nearly black
    c.setColour(kBlue);
    c.click(kInA);
    c.setColour(kRed);
    c.click(QPoint(40, 15));
    const QImage after = c.image();
    QCOMPARE(countColour(after, kRed), qint64(kBoxInner));
    QCOMPARE(countColour(after, kBlue), qint64(0));
    QCOMPARE(after.pixel(10, 20), kBlack);
    QCOMPARE(after.pixel(kInB), kWhite);
    QCOMPARE(after.pixel(kOutside), kWhite);
}

void CanvasFillTest::borderRuleOnAnOutlineChangesNothingButTakesASnapshot()
{
    Canvas c(kSmall);
    const QImage before = c.image();
    c.click(kOnLineA);
    QCOMPARE(c.image(), before);
    QCOMPARE(c.form->SnapshotIndex, std::int16_t(1));
    QVERIFY(c.form->DrawingModified);
    QCOMPARE(c.form->Image1[0]->picture().image, before);
}

void CanvasFillTest::borderRuleLeaksThroughAGap()
{
    Canvas c(kSmall);
    c.click(kInC);
    const QImage after = c.image();
    QCOMPARE(after.pixel(kOutside), kRed);
    QCOMPARE(after.pixel(kInA), kWhite);
    QCOMPARE(after.pixel(kInB), kWhite);
    QCOMPARE(after.pixel(10, 61), kBlack);
}

void CanvasFillTest::surfaceRuleRecoloursOnlyTheConnectedColour()
{
    Canvas c(kLarge);
    QVERIFY(!c.form->FillToBorder);
    c.click(kInA);
    c.click(kInB);
    c.canvas()->persistentImage().setPixel(20, 20, qRgb(0, 255, 0)); // another colour inside A
    c.setColour(kBlue);
    c.click(kInA);
    const QImage after = c.image();
    QCOMPARE(countColour(after, kBlue), qint64(kBoxInner - 1));
    QCOMPARE(after.pixel(20, 20), qRgb(0, 255, 0));
    QCOMPARE(countColour(after, kRed), qint64(kBoxInner));
    QCOMPARE(after.pixel(kInB), kRed);
    QCOMPARE(after.pixel(kOutside), kWhite);
}

void CanvasFillTest::surfaceRuleOnTheLineArtRecoloursTheConnectedLines()
{
    Canvas c(kLarge);
    const QImage before = c.image();
    c.click(kOnLineA);
    const QImage after = c.image();
    const qint64 outlineA = 2 * 40 + 2 * 28;
    QCOMPARE(countColour(after, kRed), outlineA);
    QCOMPARE(countColour(after, kBlack), countColour(before, kBlack) - outlineA);
    QCOMPARE(after.pixel(60, 20), kBlack);
    QCOMPARE(after.pixel(10, 61), kBlack);
    QCOMPARE(after.pixel(kInA), kWhite);
}

void CanvasFillTest::surfaceRuleWithTheSameColourOnlyTakesASnapshot()
{
    Canvas c(kLarge);
    c.click(kInA);
    const QImage filled = c.image();
    c.click(kInA);
    QCOMPARE(c.image(), filled);
    QCOMPARE(c.form->SnapshotIndex, std::int16_t(2));
    QCOMPARE(c.form->Image1[1]->picture().image, filled);
}

void CanvasFillTest::theCanvasShowsTheFillWithDrawingOffAgain()
{
    Canvas c(kSmall);
    c.showAndWait();
    PaintCounter paints;
    c.canvas()->installEventFilter(&paints);
    c.click(kInA);
    QVERIFY(!c.canvas()->AutoRedraw());
    QTRY_VERIFY(paints.count > 0); // repainted as soon as the press is handled
    const QImage shown = c.canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.pixel(kInA + QPoint(1, 1)), kRed);
    QCOMPARE(shown.pixel(kInB + QPoint(1, 1)), kWhite);
}

void CanvasFillTest::onePressCopiesTheImageOnce()
{
    Canvas c(kSmall);
    const uchar* before = c.canvas()->persistentImage().constBits();
    c.click(kInA);
    // The snapshot kept the pixels the canvas had; only the fill's write copied them.
    QCOMPARE(c.form->Image1[0]->picture().image.constBits(), before);
    QVERIFY(c.canvas()->persistentImage().constBits() != before);
}

QTEST_MAIN(CanvasFillTest)
#include "test_canvas_fill.moc"
