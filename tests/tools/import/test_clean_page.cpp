// The importer's picture cleaning, step by step, on small crafted line pictures.
#include "clean_page.h"
#include "drawing.h"
#include "tests/support/line_pictures.h"
#include "page_fit.h"

#include "lineart/components.h"
#include "lineart/morphology.h"

#include <QPainter>
#include <QtTest>

using namespace importer;
using linepictures::lines;
using linepictures::rowsOf;

namespace {

void setRect(QImage& picture, const QRect& rect, uchar value)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        std::fill_n(picture.scanLine(y) + rect.left(), rect.width(), value);
}

QImage blank(QSize size)
{
    QImage picture(size, QImage::Format_Grayscale8);
    picture.fill(lineart::kPaper);
    return picture;
}

// The outline of `box` drawn `width` pixels thick inside it.
QImage boxOutline(QSize size, const QRect& box, int width)
{
    QImage picture = blank(size);
    setRect(picture, box, lineart::kInk);
    setRect(picture, box.adjusted(width, width, -width, -width), lineart::kPaper);
    return picture;
}

// A diamond of 1-pixel diagonal lines (8-connected) round (20, 20).
QImage diamond()
{
    QImage picture = blank({41, 41});
    for (int i = 0; i <= 15; ++i) {
        for (const QPoint p : {QPoint(20 + i, 5 + i), QPoint(35 - i, 20 + i), QPoint(20 - i, 35 - i),
                               QPoint(5 + i, 20 - i)})
            picture.scanLine(p.y())[p.x()] = lineart::kInk;
    }
    return picture;
}

QImage greyRows(const QList<QList<int>>& rows)
{
    QImage grey(int(rows.first().size()), int(rows.size()), QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x)
            grey.scanLine(y)[x] = uchar(rows[y][x]);
    }
    return grey;
}

} // namespace

class CleanPageTest : public QObject {
    Q_OBJECT
private slots:
    void labelsPartsThroughEdgesOrCorners();
    void dilationCountsTheEdgeAsAsked();
    void paperLevelIsTheCommonestLightGrey();
    void faintPixelsJoinOnlyTouchingInk();
    void specksAreRemoved();
    void straightGapsCloseExactly_data();
    void straightGapsCloseExactly();
    void diagonalGapsCloseExactly_data();
    void diagonalGapsCloseExactly();
    void lineEndNearALineIsJoined();
    void gapBesideACornerCloses();
    void cornersAndSmallPocketsStayAsDrawn();
    void thickeningMakesTwoByTwoInk();
    void smallAndThinAreasAreFilled();
    void areasAreJoinedThroughEdgesOnly();
    void placementFitsAndCentres();
    void openEdgesAreClosedOnlyWhenNeeded();
    void thinLinesOfABigPictureSurviveTheShrink();
};

void CleanPageTest::labelsPartsThroughEdgesOrCorners()
{
    const QImage picture = lines({"#.#.",
                                  ".#..",
                                  "...#"});
    const lineart::Components eight = lineart::labelComponents(picture, lineart::kInk, lineart::Connectivity::Eight);
    QCOMPARE(eight.sizes, (std::vector<int>{3, 1}));
    QCOMPARE(eight.at(1, 1), 0);
    QCOMPARE(eight.at(3, 2), 1);
    QCOMPARE(eight.at(1, 0), -1);
    const lineart::Components four = lineart::labelComponents(picture, lineart::kInk, lineart::Connectivity::Four);
    QCOMPARE(four.sizes, (std::vector<int>{1, 1, 1, 1}));
    QCOMPARE(four.at(2, 0), 1);
    QCOMPARE(four.at(1, 1), 2);
    const lineart::Components paper = lineart::labelComponents(picture, lineart::kPaper, lineart::Connectivity::Four);
    QCOMPARE(paper.sizes, (std::vector<int>{1, 7}));
    QCOMPARE(paper.at(0, 2), 1);
}

void CleanPageTest::dilationCountsTheEdgeAsAsked()
{
    QImage dot = blank({5, 4});
    dot.scanLine(1)[1] = lineart::kInk;
    QCOMPARE(rowsOf(lineart::dilateInk(dot, -1, 0, lineart::Outside::Paper)), QStringList({".....",
                                                                          ".##..",
                                                                          ".##..",
                                                                          "....."}));
    QCOMPARE(rowsOf(lineart::dilateInk(dot, -1, 1, lineart::Outside::Paper)), QStringList({"###..",
                                                                         "###..",
                                                                         "###..",
                                                                         "....."}));
    QCOMPARE(rowsOf(lineart::dilateInk(blank({4, 3}), -1, 1, lineart::Outside::Ink)), QStringList({"####",
                                                                                "#..#",
                                                                                "####"}));
}

void CleanPageTest::paperLevelIsTheCommonestLightGrey()
{
    QImage grey(20, 10, QImage::Format_Grayscale8);
    grey.fill(uchar(10)); // mostly dark: the paper is still found
    setRect(grey, {0, 0, 20, 2}, 230);
    QCOMPARE(paperLevel(grey), 230);
    setRect(grey, {0, 2, 10, 2}, 200); // 20 at 200 against 40 at 230
    QCOMPARE(paperLevel(grey), 230);
    setRect(grey, {0, 4, 20, 3}, 201); // 20 + 60 within two levels of 200
    QCOMPARE(paperLevel(grey), 201);
    grey.fill(uchar(95));
    QCOMPARE(paperLevel(grey), -1);
    grey.fill(uchar(240));
    setRect(grey, {0, 0, 20, 5}, 250);
    QCOMPARE(paperLevel(grey), 250); // a tie goes to the lighter level
}

void CleanPageTest::faintPixelsJoinOnlyTouchingInk()
{
    const QImage grey = greyRows({{255, 255, 255, 255, 255, 255, 255},
                                  {255, 40, 120, 200, 255, 120, 255},
                                  {255, 255, 255, 130, 255, 255, 255}});
    QCOMPARE(rowsOf(binarise(grey, 100, 150)), QStringList({".......",
                                                            ".##....",
                                                            "...#..."}));
    // The paper of a scan is rarely white: the thresholds follow it.
    const QImage scan = greyRows({{200, 200, 200, 200}, {200, 110, 165, 175}, {200, 200, 200, 200}});
    QCOMPARE(rowsOf(linesFromGrey(scan, pageSizes())), QStringList({"....", ".##.", "...."}));
    QVERIFY(linesFromGrey(greyRows({{20, 30}, {40, 50}}), pageSizes()).isNull());
}

void CleanPageTest::specksAreRemoved()
{
    QImage picture = lines({"##....#",
                            "##.....",
                            ".......",
                            "..###..",
                            "..###.#"});
    QCOMPARE(removeInkSpecks(picture, 4), 2);
    QCOMPARE(rowsOf(picture), QStringList({"##.....",
                                           "##.....",
                                           ".......",
                                           "..###..",
                                           "..###.."}));
}

void CleanPageTest::straightGapsCloseExactly_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("gap");
    for (int width : {1, 2, 3}) {
        for (bool vertical : {false, true}) {
            for (int gap = 1; gap <= 5; ++gap)
                QTest::addRow("%d px %s, gap %d", width, vertical ? "vertical" : "horizontal", gap)
                    << width << vertical << gap;
        }
    }
}

void CleanPageTest::straightGapsCloseExactly()
{
    QFETCH(int, width);
    QFETCH(bool, vertical);
    QFETCH(int, gap);
    const QImage whole = boxOutline({50, 40}, {5, 5, 40, 30}, width);
    QImage broken = whole;
    setRect(broken, vertical ? QRect(5, 15, width, gap) : QRect(20, 5, gap, width), lineart::kPaper);
    QCOMPARE(countAreas(broken), 1);
    const QImage before = broken;
    const int closed = closeGaps(broken, 4, 20);
    if (gap <= 4) {
        QCOMPARE(closed, 1);
        QCOMPARE(rowsOf(broken), rowsOf(whole));
    } else {
        QCOMPARE(closed, 0);
        QCOMPARE(rowsOf(broken), rowsOf(before));
    }
}

void CleanPageTest::diagonalGapsCloseExactly_data()
{
    QTest::addColumn<int>("gap");
    for (int gap = 1; gap <= 5; ++gap)
        QTest::addRow("gap %d", gap) << gap;
}

void CleanPageTest::diagonalGapsCloseExactly()
{
    QFETCH(int, gap);
    const QImage whole = diamond();
    QCOMPARE(countAreas(whole), 2);
    QImage broken = whole;
    for (int i = 0; i < gap; ++i) // pixels missing along the upper right side
        broken.scanLine(10 + i)[25 + i] = lineart::kPaper;
    QCOMPARE(countAreas(broken), 1);
    QCOMPARE(closeGaps(broken, 4, 20), gap <= 4 ? 1 : 0);
    QCOMPARE(countAreas(broken), gap <= 4 ? 2 : 1);
    if (gap <= 4)
        QCOMPARE(rowsOf(broken), rowsOf(whole));
}

void CleanPageTest::lineEndNearALineIsJoined()
{
    QImage whole = boxOutline({50, 40}, {5, 5, 40, 30}, 2);
    setRect(whole, {24, 5, 2, 30}, lineart::kInk); // a wall across the box
    QCOMPARE(countAreas(whole), 3);
    QImage broken = whole;
    setRect(broken, {24, 7, 2, 3}, lineart::kPaper); // stops 3 pixels short of the top
    QCOMPARE(countAreas(broken), 2);
    QCOMPARE(closeGaps(broken, 4, 20), 1);
    QCOMPARE(rowsOf(broken), rowsOf(whole));
}

void CleanPageTest::gapBesideACornerCloses()
{
    // The stub left at the corner has shorter jumps round the corner than over the gap.
    const QImage whole = boxOutline({50, 40}, {5, 5, 40, 30}, 1);
    QImage broken = whole;
    setRect(broken, {7, 5, 4, 1}, lineart::kPaper);
    QCOMPARE(closeGaps(broken, 4, 20), 1);
    QCOMPARE(rowsOf(broken), rowsOf(whole));
}

void CleanPageTest::cornersAndSmallPocketsStayAsDrawn()
{
    // Two lines meeting at a sharp angle, a tight curve and a small pocket
    // with a 2-pixel mouth: jumps would fill them, yet they separate nothing large.
    QImage picture = lines({"..........................",
                            ".#######################..",
                            "..####..................#.",
                            "....####................#.",
                            "......####.........######.",
                            "........#######....#......",
                            "...................#..#...",
                            "...................#......",
                            "...................####...",
                            ".........................."});
    const QStringList drawn = rowsOf(picture);
    QCOMPARE(closeGaps(picture, 4, 20), 0);
    QCOMPARE(rowsOf(picture), drawn);
}

void CleanPageTest::thickeningMakesTwoByTwoInk()
{
    QImage picture = lines({".....",
                            ".#...",
                            "...#.",
                            "....."});
    lineart::thickenRightDown(picture);
    QCOMPARE(rowsOf(picture), QStringList({".....",
                                           ".##..",
                                           ".####",
                                           "...##"}));
    // Every ink pixel of a thickened diamond lies in a 2 x 2 block of ink.
    QImage outline = diamond();
    lineart::thickenRightDown(outline);
    auto ink = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < outline.width() && y < outline.height() && outline.scanLine(y)[x] == lineart::kInk;
    };
    for (int y = 0; y < outline.height(); ++y) {
        for (int x = 0; x < outline.width(); ++x) {
            if (!ink(x, y))
                continue;
            bool inBlock = false;
            for (int dy : {-1, 0})
                for (int dx : {-1, 0})
                    inBlock = inBlock || (ink(x + dx, y + dy) && ink(x + dx + 1, y + dy) && ink(x + dx, y + dy + 1) &&
                                          ink(x + dx + 1, y + dy + 1));
            QVERIFY2(inBlock, qPrintable(QString("lone ink at (%1, %2)").arg(x).arg(y)));
        }
    }
    QCOMPARE(countAreas(outline), 2);
}

void CleanPageTest::smallAndThinAreasAreFilled()
{
    QImage picture = lines({"............",
                            "............",
                            "############",
                            "#.#........#",
                            "###........#",
                            "#..........#",
                            "############",
                            "#..........#",
                            "############",
                            "............",
                            "............",
                            "............"});
    // The 1-pixel pocket is too small; the 1-pixel-high strip and the two rows
    // along the picture's top edge are too thin; the rest stay.
    QCOMPARE(lineart::fillSmallAreas(picture, 5, 3).filled, 3);
    QCOMPARE(rowsOf(picture), QStringList({"############",
                                           "############",
                                           "############",
                                           "###........#",
                                           "###........#",
                                           "#..........#",
                                           "############",
                                           "############",
                                           "############",
                                           "............",
                                           "............",
                                           "............"}));
}

void CleanPageTest::areasAreJoinedThroughEdgesOnly()
{
    QCOMPARE(countAreas(lines({"#...",
                               ".#..",
                               "..#.",
                               "...#"})), 2);
    QCOMPARE(countAreas(lines({"....", "....", "...."})), 1);
    QCOMPARE(countAreas(lines({"##", "##"})), 0);
}

void CleanPageTest::placementFitsAndCentres()
{
    QCOMPARE(placement({600, 415}, kCleaningSize), QRect(0, 0, 1200, 830));
    QCOMPARE(placement({100, 100}, kCleaningSize), QRect(185, 0, 830, 830));
    QCOMPARE(placement({2400, 830}, kCleaningSize), QRect(0, 207, 1200, 415));
    QCOMPARE(placement({10000, 1}, kCleaningSize), QRect(0, 414, 1200, 1));
}

void CleanPageTest::openEdgesAreClosedOnlyWhenNeeded()
{
    const QRect placed(5, 0, 10, 6);
    QImage page = blank({20, 6});
    setRect(page, {7, 2, 3, 1}, lineart::kInk);
    QVERIFY(!closeOpenEdges(page, placed));
    setRect(page, {5, 3, 5, 1}, lineart::kInk); // a line running off the left edge encloses nothing
    QVERIFY(!closeOpenEdges(page, placed));
    QVERIFY(!closeOpenEdges(page, page.rect()));
    // A line across the picture: the smaller area above it is closed along
    // the stretches where it meets the margins; the background below stays open.
    page = blank({20, 6});
    setRect(page, {5, 2, 10, 1}, lineart::kInk);
    QVERIFY(closeOpenEdges(page, placed));
    QCOMPARE(rowsOf(page), QStringList({".....##......##.....",
                                        ".....##......##.....",
                                        ".....##########.....",
                                        "....................",
                                        "....................",
                                        "...................."}));
    // Areas of equal share all close: no background.
    page = blank({20, 6});
    setRect(page, {5, 3, 10, 1}, lineart::kInk);
    setRect(page, {5, 2, 10, 1}, lineart::kInk);
    QVERIFY(closeOpenEdges(page, placed));
    QCOMPARE(rowsOf(page), QStringList({".....##......##.....",
                                        ".....##......##.....",
                                        ".....##########.....",
                                        ".....##########.....",
                                        ".....##......##.....",
                                        ".....##......##....."}));
}

void CleanPageTest::thinLinesOfABigPictureSurviveTheShrink()
{
    // A 1-pixel outline and a 1-pixel diagonal on a 3600 x 2490 picture with
    // scattered dust, shrunk to a third.
    QImage picture(3600, 2490, QImage::Format_RGB32);
    picture.fill(qRgb(235, 232, 225));
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(70, 70, 70), 1));
    painter.drawRect(300, 300, 2000, 1500);
    painter.drawLine(300, 300, 2300, 1800);
    painter.end();
    for (int i = 0; i < 500; ++i)
        picture.setPixel(2500 + (i * 37) % 1000, 100 + (i * 53) % 2300, qRgb(60, 60, 60));
    const QImage shrunk = linesAtSize(picture, {1200, 830});
    QCOMPARE(shrunk.size(), QSize(1200, 830));
    QCOMPARE(countAreas(shrunk), 3);
    QImage tail = shrunk.copy(850, 0, 350, 830);
    QCOMPARE(removeInkSpecks(tail, 1), 0); // the dust went before the shrink
}

QTEST_MAIN(CleanPageTest)
#include "test_clean_page.moc"
