// The shade ramp and the colour rules of palette and swatch picks.
#include "palette/shades.h"

#include <QtTest>

using platform::rgbValue;

class ShadesTest : public QObject {
    Q_OBJECT
private slots:
    void rampOfAnOrangeBrown();
    void rampOfTheReplacedBlack();
    void rampOfWhite();
    void pickRules();
};

void ShadesTest::rampOfAnOrangeBrown()
{
    const auto ramp = palette::shadeRamp(200, 100, 0);
    QCOMPARE(ramp[0], rgbValue(200, 100, 0));
    QCOMPARE(ramp[3], rgbValue(224, 124, 24));
    QCOMPARE(ramp[7], rgbValue(255, 156, 56));
    QCOMPARE(ramp[8], rgbValue(136, 36, 0));
    QCOMPARE(ramp[15], rgbValue(80, 0, 0));
}

void ShadesTest::rampOfTheReplacedBlack()
{
    const auto ramp = palette::shadeRamp(1, 1, 1);
    QCOMPARE(ramp[0], rgbValue(1, 1, 1));
    for (int i = 1; i <= 7; ++i)
        QCOMPARE(ramp[i], rgbValue(1 + 8 * i, 1 + 8 * i, 1 + 8 * i));
    for (int i = 8; i <= 15; ++i)
        QCOMPARE(ramp[i], rgbValue(0, 0, 0));
}

void ShadesTest::rampOfWhite()
{
    const auto ramp = palette::shadeRamp(255, 255, 255);
    for (int i = 0; i <= 7; ++i)
        QCOMPARE(ramp[i], rgbValue(255, 255, 255));
    for (int i = 8; i <= 15; ++i)
        QCOMPARE(ramp[i], rgbValue(255 - 8 * i, 255 - 8 * i, 255 - 8 * i));
    QCOMPARE(ramp[8], rgbValue(191, 191, 191));
    QCOMPARE(ramp[15], rgbValue(135, 135, 135));
    // A component exactly at the step stays at 0 rather than going below.
    QCOMPARE(palette::shadeComponent(64, 8), 0);
    QCOMPARE(palette::shadeComponent(63, 8), 0);
    QCOMPARE(palette::shadeComponent(65, 8), 1);
}

void ShadesTest::pickRules()
{
    QCOMPARE(palette::paletteChoice(0), rgbValue(1, 1, 1));
    QCOMPARE(palette::paletteChoice(rgbValue(0, 0, 1)), rgbValue(0, 0, 1));
    QCOMPARE(palette::swatchChoice(0, true), rgbValue(4, 0, 0));
    QCOMPARE(palette::swatchChoice(0, false), rgbValue(0, 0, 0));
    QCOMPARE(palette::swatchChoice(rgbValue(1, 0, 0), true), rgbValue(1, 0, 0));
}

QTEST_APPLESS_MAIN(ShadesTest)
#include "test_shades.moc"
