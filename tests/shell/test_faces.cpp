// The button faces and the window icon drawn by code.
#include "shell/faces.h"
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

QTEST_GUILESS_MAIN(TestFaces)
#include "test_faces.moc"
