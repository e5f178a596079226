// Picking colours from the palette strip and the swatches, and the pen-size box.
#include "tests/support/colouring_form.h"

using platform::rgbValue;
using testsupport::clickBox;
using testsupport::ColouringForm;
using testsupport::kBandHeight;

namespace {

const QString kSmall = "pequenos.gif";
const QString kLarge = "animales.gif";

QImage whitePage()
{
    QImage page(60, 40, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// Presses band `band` of the palette strip.
void pickBand(const ColouringForm& f, int band)
{
    clickBox(f.form->Picture6, {10, band * kBandHeight + kBandHeight / 2});
}

std::array<platform::ColourValue, 16> swatches(const Form1& form)
{
    std::array<platform::ColourValue, 16> colours{};
    for (int i = 0; i < 16; ++i)
        colours[i] = form.Picture2[i]->BackColor();
    return colours;
}

// Each swatch shows the colour it holds.
void verifySwatchesShowTheirColours(const Form1& form)
{
    for (int i = 0; i < 16; ++i)
        QCOMPARE(platform::fromQRgb(form.Picture2[i]->Image().pixel(3, 3)), form.Picture2[i]->BackColor());
}

qint64 countShown(QWidget* widget, QRgb rgb)
{
    return testsupport::countColour(widget->grab().toImage(), rgb);
}

} // namespace

class ColourPickingTest : public QObject {
    Q_OBJECT
private slots:
    void blackOnThePaletteBecomesNearlyBlack();
    void whiteAndBrownOnThePaletteGiveTheirShades();
    void aBlackSwatchDependsOnThePalette();
    void picksSwitchBackToColourAndLeaveTheCanvas();
    void aPressOnTheStripsBorderPicksNothing();
    void theIndicatorDotShowsThePick();
    void penWidthCyclesAndWrapsToOddWidths();
};

void ColourPickingTest::blackOnThePaletteBecomesNearlyBlack()
{
    ColouringForm f(kLarge, whitePage());
    pickBand(f, 0);
    QCOMPARE(f.colour(), qRgb(1, 1, 1));
    const auto ramp = swatches(*f.form);
    QCOMPARE(ramp[0], rgbValue(1, 1, 1));
    for (int i = 1; i <= 7; ++i)
        QCOMPARE(ramp[i], rgbValue(1 + 8 * i, 1 + 8 * i, 1 + 8 * i));
    for (int i = 8; i <= 15; ++i)
        QCOMPARE(ramp[i], rgbValue(0, 0, 0));
    verifySwatchesShowTheirColours(*f.form);
}

void ColourPickingTest::whiteAndBrownOnThePaletteGiveTheirShades()
{
    ColouringForm f(kLarge, whitePage());
    pickBand(f, 1);
    QCOMPARE(f.colour(), qRgb(255, 255, 255));
    auto ramp = swatches(*f.form);
    for (int i = 1; i <= 7; ++i)
        QCOMPARE(ramp[i], rgbValue(255, 255, 255));
    QCOMPARE(ramp[8], rgbValue(191, 191, 191));
    QCOMPARE(ramp[15], rgbValue(135, 135, 135));

    pickBand(f, 2);
    QCOMPARE(f.colour(), qRgb(200, 100, 0));
    ramp = swatches(*f.form);
    QCOMPARE(ramp[3], rgbValue(224, 124, 24));
    QCOMPARE(ramp[15], rgbValue(80, 0, 0));
}

void ColourPickingTest::aBlackSwatchDependsOnThePalette()
{
    for (const bool small : {true, false}) {
        ColouringForm f(small ? kSmall : kLarge, whitePage());
        QCOMPARE(f.form->FillToBorder, small);
        pickBand(f, 0);
        const auto before = swatches(*f.form);
        clickBox(f.form->Picture2[12], {5, 5});
        QCOMPARE(f.colour(), small ? qRgb(4, 0, 0) : qRgb(0, 0, 0));
        QCOMPARE(swatches(*f.form), before);
        clickBox(f.form->Picture2[5], {5, 5});
        QCOMPARE(f.colour(), qRgb(41, 41, 41));
        QCOMPARE(swatches(*f.form), before);
    }
}

void ColourPickingTest::picksSwitchBackToColourAndLeaveTheCanvas()
{
    ColouringForm f(kLarge, whitePage());
    const QImage canvas = f.image();
    f.form->UseColour = false;
    pickBand(f, 3);
    QVERIFY(f.form->UseColour);
    f.form->UseColour = false;
    clickBox(f.form->Picture2[0], {5, 5});
    QVERIFY(f.form->UseColour);
    QCOMPARE(f.colour(), qRgb(0, 128, 0));
    QCOMPARE(f.image(), canvas);
    QVERIFY(!f.canvas()->AutoRedraw());
    QCOMPARE(f.form->CurrentTool, std::int16_t(0));
}

void ColourPickingTest::aPressOnTheStripsBorderPicksNothing()
{
    ColouringForm f(kLarge, whitePage());
    const auto before = swatches(*f.form);
    clickBox(f.form->Picture6, {-1, kBandHeight * 2 + 5});
    QCOMPARE(f.colour(), qRgb(255, 0, 0));
    QCOMPARE(swatches(*f.form), before);
}

void ColourPickingTest::theIndicatorDotShowsThePick()
{
    ColouringForm f(kSmall, whitePage());
    f.form->Image2_Click(1);
    f.showAndWait();
    const QImage background = f.form->Picture4->Image();
    pickBand(f, 4);
    QVERIFY(countShown(f.form->Picture4, qRgb(0, 0, 255)) > 0);
    pickBand(f, 0);
    const QImage before = f.form->Picture4->grab().toImage();
    clickBox(f.form->Picture2[9], {5, 5});
    // The dot shows the swatch's own black, drawn before black is replaced.
    const QList<QPoint> changed = testsupport::changedPixels(before, f.form->Picture4->grab().toImage());
    QVERIFY(!changed.isEmpty());
    for (const QPoint p : changed)
        QCOMPARE(f.form->Picture4->grab().toImage().pixel(p), qRgb(0, 0, 0));
    QCOMPARE(f.colour(), qRgb(4, 0, 0));
    QCOMPARE(f.form->Picture4->Image(), background); // the dots are on screen only
}

void ColourPickingTest::penWidthCyclesAndWrapsToOddWidths()
{
    ColouringForm f(kLarge, whitePage());
    f.form->Image2_Click(1);
    f.showAndWait();
    f.setColour(qRgb(0, 0, 255));
    PictureBox* box = f.form->Picture4;
    QCOMPARE(int(f.form->PenWidth), 2);
    QCOMPARE(f.canvas()->DrawWidth(), 4);
    for (int click = 1; click <= 19; ++click) {
        clickBox(box, {5, 5});
        QCOMPARE(int(f.form->PenWidth), 2 + 2 * click);
        QCOMPARE(f.canvas()->DrawWidth(), 2 + 2 * click);
        QCOMPARE(box->DrawWidth(), 2 + 2 * click);
    }
    QVERIFY(countShown(box, qRgb(0, 0, 255)) > 1000); // the 40-pixel dot
    clickBox(box, {5, 5});
    QCOMPARE(int(f.form->PenWidth), 1);
    QCOMPARE(f.canvas()->DrawWidth(), 1);
    QVERIFY(countShown(box, qRgb(0, 0, 255)) <= 4); // only the new 1-pixel dot
    for (int width = 3; width <= 39; width += 2) {
        clickBox(box, {5, 5});
        QCOMPARE(int(f.form->PenWidth), width);
    }
    clickBox(box, {5, 5});
    QCOMPARE(int(f.form->PenWidth), 1);
}

QTEST_MAIN(ColourPickingTest)
#include "test_colour_picking.moc"
