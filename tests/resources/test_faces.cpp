// The button faces, the window icon and the splash picture drawn by code.
#include "shell/faces.h"
#include "splash/splash_drawing.h"
#include "tests/support/areas.h"
#include "tests/support/samples.h"

#include <QTest>

namespace {

// Share of pixels that are not transparent.
double coverage(const QImage& image)
{
    long opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 0;
    return double(opaque) / (image.width() * image.height());
}

} // namespace

class TestFaces : public QObject {
    Q_OBJECT

private slots:
    void faces_data();
    void faces();
    void arrowsPointBothWays();
    void splashDrawing();
};

void TestFaces::faces_data()
{
    QTest::addColumn<QImage>("face");
    QTest::addColumn<QSize>("size");
    QTest::newRow("printer") << faces::printerFace() << QSize(67, 67);
    QTest::newRow("magnifier") << faces::magnifierFace() << QSize(68, 62);
    QTest::newRow("undo") << faces::undoFace() << QSize(32, 32);
    QTest::newRow("next page") << faces::nextPageFace() << QSize(74, 67);
    QTest::newRow("previous page") << faces::previousPageFace() << QSize(74, 67);
    QTest::newRow("eraser") << faces::eraserFace() << QSize(59, 80);
    QTest::newRow("door") << faces::doorFace() << QSize(55, 66);
    QTest::newRow("window icon") << faces::windowIcon() << QSize(32, 32);
}

// Each face has its size, shows a picture and leaves some of the button's colour visible.
void TestFaces::faces()
{
    QFETCH(QImage, face);
    QFETCH(QSize, size);
    QCOMPARE(face.size(), size);
    QVERIFY(face.hasAlphaChannel());
    const double covered = coverage(face);
    QVERIFY2(covered > 0.2 && covered <= 1.0, qPrintable(QString::number(covered)));
    QVERIFY(testsupport::coloursOf(face).size() > 3);
}

void TestFaces::arrowsPointBothWays()
{
    QCOMPARE(faces::previousPageFace(), faces::nextPageFace().mirrored(true, false));
}

// Two colours, black outlines at least two pixels thick, many closed areas.
void TestFaces::splashDrawing()
{
    const QImage drawing = ::splashDrawing();
    QVERIFY(std::abs(drawing.width() - 518) <= 10 && std::abs(drawing.height() - 528) <= 10);
    QCOMPARE(testsupport::coloursOf(drawing), QSet<QRgb>({qRgb(0, 0, 0), qRgb(253, 253, 253)}));
    QCOMPARE(testsupport::thinOutlinePixel(drawing, qRgb(0, 0, 0)), QPoint(-1, -1));
    const testsupport::AreaMap areas = testsupport::mapAreas(drawing, qRgb(0, 0, 0));
    QVERIFY(areas.count() >= 30);
    QCOMPARE(*std::min_element(areas.size.begin(), areas.size.end()) >= 20, true);
}

QTEST_GUILESS_MAIN(TestFaces)
#include "test_faces.moc"
