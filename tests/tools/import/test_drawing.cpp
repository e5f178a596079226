// The steps that find a drawing in a picture: the sizes a child needs, grey
// box filters, shrinking, the paper's light, strokes and regions, shading and
// the photographed sheet, on small crafted pictures.
#include "clean_page.h"
#include "lineart/components.h"
#include "drawing.h"
#include "tests/support/line_pictures.h"
#include "page_fit.h"
#include "paper.h"
#include "sample_drawings.h"
#include "shading.h"
#include "sheet.h"
#include "working_picture.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

using namespace importer;
using linepictures::lines;
using linepictures::rowsOf;

namespace {

QImage randomGrey(QSize size, QRandomGenerator& random)
{
    QImage grey(size, QImage::Format_Grayscale8);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            grey.scanLine(y)[x] = uchar(random.bounded(256));
    }
    return grey;
}

// The extreme over the box of `side` round each pixel (side / 2 before it), clipped at the edges.
QImage plainBoxFilter(const QImage& grey, int side, bool brightest)
{
    QImage out(grey.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            int best = brightest ? 0 : 255;
            for (int v = y - side / 2; v < y - side / 2 + side; ++v)
                for (int u = x - side / 2; u < x - side / 2 + side; ++u)
                    if (u >= 0 && v >= 0 && u < grey.width() && v < grey.height())
                        best = brightest ? std::max(best, int(grey.constScanLine(v)[u])) : std::min(best, int(grey.constScanLine(v)[u]));
            out.scanLine(y)[x] = uchar(best);
        }
    }
    return out;
}

QImage picture(QSize size, QColor paper)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(paper);
    return image;
}

int inkAt(const QImage& lines, QPoint p) { return lines.constScanLine(p.y())[p.x()] == lineart::kInk; }

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT
private slots:
    void sizesFollowTheSmallestCanvas();
    void boxFiltersMatchAPlainOne();
    void shrinkingAveragesBlocksAndKeepsThinLines();
    void shadowAndTintedPaperComeOutWhite();
    void fillsBecomeOutlinedAreas();
    void strokesAreFoundOnPaperAndOnFills();
    void crowdedMarksGoAndLoneOnesStay();
    void clustersOfSmallAreasBecomeOne();
    void sheetIsFoundOnlyOnATable();
};

void DrawingTest::sizesFollowTheSmallestCanvas()
{
    const Sizes same = sizesOnPage(kSmallestCanvas);
    QCOMPARE(same.minAreaPixels, kHitCanvasArea);
    QCOMPARE(same.minAreaWidth, kHitCanvasWidth);
    QCOMPARE(same.strokeWidth, kStrokeCanvasWidth);
    QCOMPARE(same.markLength, kMarkCanvasLength);
    QCOMPARE(same.markSpacing, kMarkCanvasSpacing);
    QCOMPARE(same.wallWidth, kWallCanvasWidth);
    const Sizes twice = sizesOnPage(kSmallestCanvas * 2);
    QCOMPARE(twice.minAreaPixels, 4 * kHitCanvasArea);
    QCOMPARE(twice.strokeWidth, 2 * kStrokeCanvasWidth);
    // Lengths follow the axis the canvas shrinks most.
    const Sizes wide = sizesOnPage(QSize(kSmallestCanvas.width() * 3, kSmallestCanvas.height()));
    QCOMPARE(wide.strokeWidth, 3 * kStrokeCanvasWidth);
    QCOMPARE(wide.minAreaPixels, 3 * kHitCanvasArea);
}

void DrawingTest::boxFiltersMatchAPlainOne()
{
    QRandomGenerator random(4);
    for (const QSize size : {QSize(1, 1), QSize(7, 3), QSize(31, 17), QSize(64, 65)}) {
        const QImage grey = randomGrey(size, random);
        for (int side : {1, 2, 3, 4, 5, 13}) {
            QCOMPARE(lineart::boxMax(grey, side), plainBoxFilter(grey, side, true));
            QCOMPARE(lineart::boxMin(grey, side), plainBoxFilter(grey, side, false));
        }
        QCOMPARE(lineart::closing(grey, 5), plainBoxFilter(plainBoxFilter(grey, 5, true), 5, false));
        QCOMPARE(lineart::transposed(lineart::transposed(grey)), grey);
    }
    // A dark line narrower than the box closes away; a wide dark block stays.
    QImage grey(30, 20, QImage::Format_Grayscale8);
    grey.fill(uchar(200));
    for (int y = 0; y < 20; ++y) {
        grey.scanLine(y)[5] = 10;
        std::fill_n(grey.scanLine(y) + 15, 10, uchar(40));
    }
    const QImage closed = lineart::closing(grey, 5);
    QCOMPARE(int(closed.constScanLine(10)[5]), 200);
    QCOMPARE(int(closed.constScanLine(10)[20]), 40);
}

void DrawingTest::shrinkingAveragesBlocksAndKeepsThinLines()
{
    QImage colours(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            colours.setPixel(x, y, qRgb(x * 30, y * 50, 255 - x * y * 5));
    // Blocks of columns 0-3, 4-6 and rows 0-2, 3-4, means rounded.
    const QImage mean = meanShrunk(colours, {2, 2});
    QCOMPARE(mean.pixel(0, 0), qRgb(45, 50, 248));
    QCOMPARE(mean.pixel(1, 1), qRgb(150, 175, 255 - 5 * 5 * 7 / 2));
    // A one-pixel grey line on a picture three times the size: averaged away
    // in the tone, kept dark in the darkest luminance.
    QImage big = picture({300, 300}, QColor(250, 250, 250));
    for (int y = 0; y < 300; ++y)
        big.setPixel(151, y, qRgb(60, 60, 60));
    const WorkingPicture working = workingPicture(big, {100, 100});
    QCOMPARE(working.tone.size(), QSize(100, 100));
    QVERIFY(qGray(working.tone.pixel(50, 50)) > 180);
    QVERIFY(int(working.darkest.constScanLine(50)[50]) < 160);
    QVERIFY(!linesFromGrey(working.darkest, sizesOnPage({100, 100})).isNull());
}

void DrawingTest::shadowAndTintedPaperComeOutWhite()
{
    // Cream paper darkening from 90 % to 60 % downwards, a grey fill at 75 %
    // of the paper around it, and a black line.
    QImage image = picture({240, 200}, Qt::white);
    for (int y = 0; y < 200; ++y) {
        const double light = 0.9 - 0.3 * y / 200;
        for (int x = 0; x < 240; ++x) {
            const double fill = QRect(120, 60, 80, 80).contains(x, y) ? 0.75 : 1;
            image.setPixel(x, y, qRgb(int(250 * light * fill), int(240 * light * fill), int(205 * light * fill)));
        }
        image.setPixel(40, y, qRgb(20, 20, 20));
    }
    const AgainstPaper planes = againstPaper({image, toGrey(image)});
    QVERIFY(!planes.isNull());
    for (const QPoint p : {QPoint(10, 5), QPoint(90, 100), QPoint(230, 195)}) {
        for (const QImage* plane : {&planes.red, &planes.green, &planes.blue, &planes.darkest})
            QVERIFY2(plane->constScanLine(p.y())[p.x()] >= 245, qPrintable(QString("at %1, %2").arg(p.x()).arg(p.y())));
    }
    QVERIFY(std::abs(int(planes.darkest.constScanLine(100)[160]) - 191) <= 12);
    QVERIFY(planes.darkest.constScanLine(100)[40] < 60);
    // All dark: no paper.
    QVERIFY(againstPaper({picture({20, 20}, QColor(40, 40, 40)), toGrey(picture({20, 20}, QColor(40, 40, 40)))}).isNull());
}

void DrawingTest::fillsBecomeOutlinedAreas()
{
    // Red and blue fills meeting without a line, and a small black dot and a
    // small pale dot on the paper.
    QImage image = picture({300, 200}, Qt::white);
    QPainter p(&image);
    p.fillRect(40, 40, 100, 120, QColor(220, 40, 40));
    p.fillRect(140, 40, 100, 120, QColor(60, 90, 220));
    p.fillRect(270, 20, 14, 14, Qt::black);
    p.fillRect(270, 150, 14, 14, QColor(250, 230, 120));
    p.end();
    const Sizes sizes = sizesOnPage(kCleaningSize);
    const QImage found = drawingOf({image, toGrey(image)}, sizes).lines;
    QCOMPARE(countAreas(found), 3);
    QVERIFY(inkAt(found, {139, 100}) || inkAt(found, {140, 100})); // where the colours meet
    QVERIFY(!inkAt(found, {90, 100}) && !inkAt(found, {190, 100}));  // insides white
    QVERIFY(inkAt(found, {277, 27}));                                // the black dot stays
    QVERIFY(!inkAt(found, {277, 157}));                              // the pale one goes
}

void DrawingTest::strokesAreFoundOnPaperAndOnFills()
{
    // A soft grey line on white and a black line across a yellow fill.
    QImage image = picture({200, 120}, Qt::white);
    QPainter p(&image);
    p.fillRect(100, 10, 90, 100, QColor(250, 220, 60));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    p.drawLine(QPointF(20.3, 10.5), QPointF(60.7, 110.5));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(145, 10), QPointF(145, 110));
    p.end();
    const QImage found = drawingOf({image, toGrey(image)}, sizesOnPage(kCleaningSize)).lines;
    QVERIFY(inkAt(found, {40, 60}) || inkAt(found, {41, 60}));
    QVERIFY(inkAt(found, {145, 60}) || inkAt(found, {144, 60}));
    QCOMPARE(countAreas(found), 3); // the paper and the two halves of the fill
}

void DrawingTest::crowdedMarksGoAndLoneOnesStay()
{
    // Six dots close together, a dot far from them, a long line, and a row
    // of bent strokes like letters.
    QImage page(160, 100, QImage::Format_Grayscale8);
    page.fill(lineart::kPaper);
    QPainter p(&page);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (int i = 0; i < 6; ++i)
        p.drawRect(10 + 6 * (i % 3), 10 + 6 * (i / 3), 3, 3);
    p.drawRect(100, 10, 3, 3);
    p.fillRect(10, 50, 100, 2, Qt::black);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2));
    for (int i = 0; i < 7; ++i)
        p.drawArc(QRect(10 + 20 * i, 70, 16, 20), 45 * 16, 270 * 16);
    p.end();
    Sizes sizes;
    sizes.markLength = 10, sizes.markSpacing = 4, sizes.wallWidth = 2, sizes.minAreaPixels = 20, sizes.minAreaWidth = 3;
    const Shading shading = removeShading(page, sizes);
    QCOMPARE(shading.marks, 6);
    QVERIFY(!inkAt(page, {11, 11}));
    QVERIFY(inkAt(page, {101, 11}));
    QVERIFY(inkAt(page, {50, 50}));
    QCOMPARE(lineart::labelComponents(page, lineart::kInk, lineart::Connectivity::Eight).count(), 2 + 7);
}

void DrawingTest::clustersOfSmallAreasBecomeOne()
{
    // A box hatched from side to side with thin strips between the lines, and
    // two small pockets side by side elsewhere (not enough for a cluster).
    QImage page = lines({"..........................",
                         ".##############.....#####.",
                         ".#............#.....#.#.#.",
                         ".##############.....#####.",
                         ".#............#...........",
                         ".##############...........",
                         ".#............#...........",
                         ".##############...........",
                         ".........................."});
    Sizes sizes;
    sizes.markLength = 1, sizes.markSpacing = 1, sizes.wallWidth = 1, sizes.minAreaPixels = 20, sizes.minAreaWidth = 2;
    const Shading shading = removeShading(page, sizes);
    QCOMPARE(shading.clusters, 1);
    QCOMPARE(rowsOf(page), QStringList({"..........................",
                                        ".##############.....#####.",
                                        ".#............#.....#.#.#.",
                                        ".#............#.....#####.",
                                        ".#............#...........",
                                        ".#............#...........",
                                        ".#............#...........",
                                        ".##############...........",
                                        ".........................."}));
}

void DrawingTest::sheetIsFoundOnlyOnATable()
{
    const QImage photo = sampledrawings::photographedPage(-3).picture;
    const QSize small = photo.size() / 2;
    const std::optional<Sheet> sheet = findSheet(meanShrunk(photo, small));
    QVERIFY(sheet.has_value());
    QVERIFY2(std::abs(sheet->tilt + 3) < 0.3, qPrintable(QString::number(sheet->tilt)));
    const QImage cut = cutOutSheet(photo, *sheet, 2.0);
    QVERIFY(cut.width() > photo.width() / 2 && cut.width() < photo.width());
    QCOMPARE(qGray(cut.pixel(5, cut.height() / 2)) > 150, true); // paper up to the edge, no table
    QVERIFY(!findSheet(sampledrawings::paleAndDarkFills().picture).has_value());
    QVERIFY(!findSheet(sampledrawings::colourPhoto().picture).has_value());
}

QTEST_MAIN(DrawingTest)
#include "test_drawing.moc"
