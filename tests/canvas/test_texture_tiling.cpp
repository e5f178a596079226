// The tiling of a texture over flooded areas, and stepping through the texture list.
#include "canvas/texture_tiling.h"
#include "palette/texture_chooser.h"
#include "tests/canvas/texture_art.h"

#include <QtTest>

using namespace textureart;

namespace {

const QImage& tile()
{
    static const QImage t = numberedTexture(QSize(7, 5));
    return t;
}

// Texture fills at `presses` one after the other; checks the union of their areas is tiled.
void checkFills(const QImage& page, const QList<QPoint>& presses)
{
    QImage canvas = page;
    std::vector<bool> area(size_t(page.width()) * size_t(page.height()), false);
    for (QPoint press : presses) {
        area = unionOf(area, areaAt(canvas, press));
        QVERIFY(!canvas::textureFillArea(canvas, press, tile(), kMarker).isEmpty());
    }
    const QString error = tilingError(canvas, page, area, tile());
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

} // namespace

class TestTextureTiling : public QObject {
    Q_OBJECT
private slots:
    void theTileIsWhatTheBoxShows()
    {
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(qRgb(1, 2, 3));
        picture.setPixel(2, 1, qRgb(9, 8, 7));
        const QImage small = canvas::textureTile(picture, QSize(5, 4), qRgb(200, 200, 200));
        QCOMPARE(small.format(), QImage::Format_RGB32);
        QCOMPARE(small.size(), QSize(5, 4));
        QCOMPARE(small.pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(small.pixel(2, 1), qRgb(9, 8, 7));
        QCOMPARE(small.pixel(3, 0), qRgb(200, 200, 200));
        QCOMPARE(small.pixel(0, 2), qRgb(200, 200, 200));
        // A picture larger than the box runs on under the box's border.
        const QImage cut = canvas::textureTile(numberedTexture(QSize(20, 20)), QSize(7, 5), 0);
        QCOMPARE(cut, numberedTexture(QSize(20, 20)).copy(0, 0, 7, 5));
        QVERIFY(canvas::textureTile(picture, QSize(0, 4), 0).isNull());
    }

    void aCircleIsTexturedCompletely()
    {
        const QImage page = circlePage(QSize(64, 48), QPoint(30, 24), 18);
        QVERIFY(!areaAt(page, QPoint(30, 24))[0]); // the circle is closed
        checkFills(page, {QPoint(30, 24)});
        checkFills(page, {QPoint(1, 1)}); // the outside, row 0 included
    }

    void windingAreasAreTexturedCompletely()
    {
        checkFills(spiralPage(), {QPoint(5, 5)});
        QImage spiral = spiralPage();
        canvas::textureFillArea(spiral, QPoint(5, 5), tile(), kMarker);
        QCOMPARE(spiral.pixel(21, 19), kBlack);
        for (int y = 0; y < spiral.height(); ++y)
            for (int x = 0; x < spiral.width(); ++x)
                QVERIFY(spiral.pixel(x, y) != kWhite);
        checkFills(curlPage(), {QPoint(4, 30)}); // the separate box and the marker patch stay
    }

    void neighbouringAreasLineUpSeamlessly()
    {
        QImage page = blankPage(QSize(40, 30), kWhite);
        QPainter(&page).fillRect(19, 0, 1, 30, Qt::black);
        checkFills(page, {QPoint(3, 4), QPoint(30, 17)});
    }

    void aPressOnTheLineArtTexturesTheConnectedLines()
    {
        QImage page = blankPage(QSize(40, 30), kWhite);
        QPainter painter(&page);
        painter.fillRect(2, 2, 30, 1, Qt::black);
        painter.fillRect(10, 2, 1, 20, Qt::black);
        painter.fillRect(20, 10, 15, 1, Qt::black); // not connected
        painter.end();
        checkFills(page, {QPoint(10, 15)});
    }

    void anAreaOfTheMarkerColourIsTexturedToo()
    {
        QImage page = blankPage(QSize(30, 20), kMarker);
        QPainter(&page).fillRect(14, 0, 2, 20, Qt::black);
        checkFills(page, {QPoint(20, 10)});
    }

    void aPressOutsideChangesNothing()
    {
        QImage page = circlePage(QSize(30, 20), QPoint(15, 10), 5);
        const QImage before = page;
        QVERIFY(canvas::textureFillArea(page, QPoint(30, 3), tile(), kMarker).isEmpty());
        QVERIFY(canvas::textureFillArea(page, QPoint(-1, 3), tile(), kMarker).isEmpty());
        QCOMPARE(page, before);
    }

    void steppingReachesEveryEntryBothWays()
    {
        using palette::steppedTextureIndex;
        QCOMPARE(steppedTextureIndex(0, 1, 3), 1);
        QCOMPARE(steppedTextureIndex(2, 1, 3), 0);
        QCOMPARE(steppedTextureIndex(1, -1, 3), 0);
        QCOMPARE(steppedTextureIndex(0, -1, 3), 2);
        QCOMPARE(steppedTextureIndex(0, -1, 1), 0);
        QCOMPARE(steppedTextureIndex(0, 1, 0), 0);
        QCOMPARE(steppedTextureIndex(0, -1, 0), 0);
    }
};

QTEST_GUILESS_MAIN(TestTextureTiling)
#include "test_texture_tiling.moc"
