// Colour values, system colours, twips and the picture-box border rule.
#include "platform/colour.h"
#include "platform/units.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

using namespace platform;

class TestColourUnits : public QObject {
    Q_OBJECT
private slots:
    void colourValuesAreBgr();
    void systemColoursFollowThePalette();
    void twipsAndPixels();
    void borderRule();
};

void TestColourUnits::colourValuesAreBgr()
{
    QCOMPARE(rgbValue(255, 224, 192), 0x00C0E0FFu);
    QCOMPARE(rgbValue(-5, 300, 7), 0x0007FF00u);
    QCOMPARE(redOf(0x00C0E0FF), 255);
    QCOMPARE(greenOf(0x00C0E0FF), 224);
    QCOMPARE(blueOf(0x00C0E0FF), 192);
    QCOMPARE(toQRgb(0x000000FF), qRgb(255, 0, 0));
    QCOMPARE(toQRgb(0x0000FF00), qRgb(0, 255, 0));
    QCOMPARE(toQColor(0x00FF0000), QColor(0, 0, 255));
    QCOMPARE(fromQRgb(qRgba(1, 2, 3, 0)), 0x00030201u);
    QCOMPARE(fromQRgb(toQRgb(0x00123456)), 0x00123456u);
}

void TestColourUnits::systemColoursFollowThePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(250, 251, 252));
    palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
    palette.setColor(QPalette::Button, QColor(200, 201, 202));
    QGuiApplication::setPalette(palette);
    QCOMPARE(toQRgb(kSystemWindow), qRgb(250, 251, 252));
    QCOMPARE(toQRgb(kSystemWindowText), qRgb(1, 2, 3));
    QCOMPARE(toQRgb(kSystemButtonFace), qRgb(200, 201, 202));
    QCOMPARE(toQColor(kSystemButtonFace), QColor(200, 201, 202));
}

void TestColourUnits::twipsAndPixels()
{
    QCOMPARE(twipsToPixels(12370), 825);
    QCOMPARE(twipsToPixels(60), 4);
    QCOMPARE(twipsToPixels(37.5), 2);
    QCOMPARE(twipsToPixels(52.5), 4);
    QCOMPARE(pixelsToTwips(8), 120.0);
    QCOMPARE(roundHalfEven(-2.5), -2);
}

void TestColourUnits::borderRule()
{
    QCOMPARE(innerPixels(100, true), 98);
    QCOMPARE(innerPixels(100, false), 100);
    QCOMPARE(innerPixels(1, true), 0);
    QCOMPARE(outerPixels(98, true), 100);
    QCOMPARE(outerPixels(innerPixels(57, true), true), 57);
}

QTEST_MAIN(TestColourUnits)
#include "test_colour_units.moc"
