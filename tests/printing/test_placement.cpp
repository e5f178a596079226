// The placement of the canvas on the printed page: against the left edge,
// centred from top to bottom with the rounding and truncation of the twips
// arithmetic.
#include "printing/placement.h"

#include <QtTest>

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void canvasStandsAtTheLeftEdgeCentredVertically_data();
    void canvasStandsAtTheLeftEdgeCentredVertically();
};

void PlacementTest::canvasStandsAtTheLeftEdgeCentredVertically_data()
{
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("top");
    QTest::newRow("design canvas on a letter page") << 15840 << 3855.0 << 2415.0 << 6712.0;
    QTest::newRow("even difference") << 16840 << 3855.0 << 2416.0 << 7212.0;
    QTest::newRow("half goes up to the even neighbour") << 15840 << 3855.0 << 2414.5 << 6713.0;
    QTest::newRow("half goes down to the even neighbour") << 15840 << 3855.0 << 2415.5 << 6712.0;
    QTest::newRow("page shorter than the canvas") << 2000 << 3855.0 << 2415.0 << -207.0;
    QTest::newRow("shorter page, half to the even neighbour") << 2000 << 3855.0 << 2415.5 << -208.0;
    QTest::newRow("page as high as the canvas") << 2415 << 3855.0 << 2415.0 << 0.0;
}

void PlacementTest::canvasStandsAtTheLeftEdgeCentredVertically()
{
    QFETCH(int, pageHeight);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, top);
    QCOMPARE(printing::canvasPlacement(pageHeight, width, height), QRectF(0, top, width, height));
}

QTEST_APPLESS_MAIN(PlacementTest)
#include "test_placement.moc"
