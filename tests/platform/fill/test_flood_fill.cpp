// Both ExtFloodFill rules on crafted and random images, checked pixel for pixel.
#include "platform/flood_fill.h"
#include "tests/platform/image_art.h"
#include "tests/support/test_folder.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <deque>
#include <vector>

using namespace platform;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);

// The pixels a 4-connected fill from `start` reaches, found the slow obvious way.
std::vector<bool> reachable(const QImage& img, QPoint start, bool border, QRgb colour)
{
    std::vector<bool> seen(static_cast<std::size_t>(img.width() * img.height()), false);
    auto fillable = [&](QPoint p) {
        const bool same = (img.pixel(p) & 0xFFFFFF) == (colour & 0xFFFFFF);
        return border ? !same : same;
    };
    std::deque<QPoint> queue;
    if (img.rect().contains(start) && fillable(start))
        queue.push_back(start);
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        const auto i = static_cast<std::size_t>(p.y() * img.width() + p.x());
        if (seen[i])
            continue;
        seen[i] = true;
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (img.rect().contains(q) && fillable(q))
                queue.push_back(q);
        }
    }
    return seen;
}

QImage expectedFill(const QImage& img, const std::vector<bool>& region, QRgb fill)
{
    QImage out = img.copy();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (region[static_cast<std::size_t>(y * img.width() + x)])
                out.setPixel(x, y, fill);
    return out;
}

QRect boundsOf(const QImage& img, const std::vector<bool>& region)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (region[static_cast<std::size_t>(y * img.width() + x)])
                r |= QRect(x, y, 1, 1);
    return r;
}

// True when the spans cover exactly the region, each pixel once.
bool spansCover(const std::vector<Span>& spans, const std::vector<bool>& region, int width)
{
    std::vector<int> hits(region.size(), 0);
    for (const Span& s : spans) {
        if (s.x0 > s.x1 || s.x0 < 0 || s.x1 >= width)
            return false;
        for (int x = s.x0; x <= s.x1; ++x)
            ++hits[static_cast<std::size_t>(s.y * width + x)];
    }
    for (std::size_t i = 0; i < region.size(); ++i) {
        if (hits[i] != (region[i] ? 1 : 0))
            return false;
    }
    return true;
}

// Few colours, so areas of each colour join up and the fill colour occurs inside
// areas; sparse images have long runs that cross many 64-pixel words.
QImage randomImage(QRandomGenerator& rng, int w, int h, bool sparse)
{
    const QRgb dense[] = {kBlack, kWhite, kWhite, kWhite, kRed, kGreen};
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int r = static_cast<int>(rng.bounded(60));
            const QRgb few = r < 2 ? kBlack : r < 5 ? kRed : kWhite;
            img.setPixel(x, y, sparse ? few : dense[r % 6]);
        }
    }
    return img;
}

// A perfect maze of one-pixel corridors and walls, all corridors joined.
QImage maze(int cellsX, int cellsY, quint32 seed)
{
    QImage img(2 * cellsX + 1, 2 * cellsY + 1, QImage::Format_RGB32);
    img.fill(kBlack);
    QRandomGenerator rng(seed);
    std::vector<bool> seen(static_cast<std::size_t>(cellsX * cellsY), false);
    std::vector<QPoint> stack{QPoint(0, 0)};
    seen[0] = true;
    img.setPixel(1, 1, kWhite);
    while (!stack.empty()) {
        const QPoint c = stack.back();
        std::vector<QPoint> next;
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = c + d;
            if (n.x() >= 0 && n.y() >= 0 && n.x() < cellsX && n.y() < cellsY &&
                !seen[static_cast<std::size_t>(n.y() * cellsX + n.x())])
                next.push_back(n);
        }
        if (next.empty()) {
            stack.pop_back();
            continue;
        }
        const QPoint n = next[rng.bounded(static_cast<int>(next.size()))];
        seen[static_cast<std::size_t>(n.y() * cellsX + n.x())] = true;
        img.setPixel(2 * n.x() + 1, 2 * n.y() + 1, kWhite);
        img.setPixel(c.x() + n.x() + 1, c.y() + n.y() + 1, kWhite);
        stack.push_back(n);
    }
    return img;
}

// A square spiral corridor winding inwards: the fill turns back up and down on every lap.
QImage spiral(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kBlack);
    int x = 1, y = 1, left = 1, right = w - 2, top = 1, bottom = h - 2;
    img.setPixel(x, y, kWhite);
    auto walk = [&](int dx, int dy, int steps) {
        for (int i = 0; i < steps; ++i)
            img.setPixel(x += dx, y += dy, kWhite);
    };
    while (left < right && top < bottom) {
        walk(1, 0, right - x);
        walk(0, 1, bottom - y);
        walk(-1, 0, x - left);
        walk(0, -1, std::max(0, y - (top + 2)));
        left += 2, right -= 2, top += 2, bottom -= 2;
    }
    return img;
}

} // namespace

class TestFloodFill : public QObject {
    Q_OBJECT
private slots:
    void borderRuleFillsUpToBlackOverEveryOtherColour();
    void borderRuleOnTheBorderColourDoesNothing();
    void borderRuleOnAnAreaAlreadyOfTheFillColour();
    void borderRuleMeetsTheFillColourLate();
    void borderRuleMeetsTheFillColourAfterThousandsOfRuns();
    void surfaceRuleFillsOnlyTheClickedColour();
    void surfaceRuleRefusals();
    void leaksThroughAOnePixelGapButNotDiagonally();
    void fillStaysInItsRegion();
    void oneBlackLineIsOneSurface();
    void mazeAndSpiralAreFilledWhole_data();
    void mazeAndSpiralAreFilledWhole();
    void matchesReferenceOnRandomImages_data();
    void matchesReferenceOnRandomImages();
    void startOutsideChangesNothing();
    void onePixelImages();
    void alphaIsIgnoredInComparisons();
    void getPixelAndSetPixelV();
    void extFloodFillTellsWhatItPainted();
};

void TestFloodFill::borderRuleFillsUpToBlackOverEveryOtherColour()
{
    QImage img = art::image({
        "########",
        "#..r..##",
        "#.k##g.#",
        "#..#...#",
        "########",
    });
    std::vector<Span> spans;
    const QRect r = floodFillBorder(img, QPoint(1, 1), kBlack, kGreen, &spans);
    QCOMPARE(art::text(img), QStringList({
                                 "########",
                                 "#ggggg##",
                                 "#gg##gg#",
                                 "#gg#ggg#",
                                 "########",
                             }));
    QCOMPARE(r, QRect(1, 1, 6, 3));
    int count = 0;
    for (const Span& s : spans)
        count += s.x1 - s.x0 + 1;
    QCOMPARE(count, 14);
}

void TestFloodFill::borderRuleOnTheBorderColourDoesNothing()
{
    QImage img = art::image({"#..", "#.#", "..."});
    const QImage before = img.copy();
    std::vector<Span> spans;
    QVERIFY(floodFillBorder(img, QPoint(0, 0), kBlack, kRed, &spans).isEmpty());
    QVERIFY(spans.empty());
    QVERIFY(!ExtFloodFill(img, 2, 1, 0x000000, FloodFillType::Border, 0x0000FF));
    QCOMPARE(img, before);
}

void TestFloodFill::borderRuleOnAnAreaAlreadyOfTheFillColour()
{
    // The fill colour is already everywhere, and also in spots: the fill must still end.
    QImage full = art::image({"#####", "#rrr#", "#r#r#", "#rrr#", "#####"});
    QCOMPARE(floodFillBorder(full, QPoint(1, 1), kBlack, kRed), QRect(1, 1, 3, 3));
    QCOMPARE(art::text(full), QStringList({"#####", "#rrr#", "#r#r#", "#rrr#", "#####"}));

    QImage spotted = art::image({"r.r.r.", ".r.r.r", "r.r.r.", "######", "......"});
    QCOMPARE(floodFillBorder(spotted, QPoint(1, 1), kBlack, kRed), QRect(0, 0, 6, 3));
    QCOMPARE(art::text(spotted),
             QStringList({"rrrrrr", "rrrrrr", "rrrrrr", "######", "......"}));
    QVERIFY(ExtFloodFill(spotted, 0, 0, 0x000000, FloodFillType::Border, 0x0000FF));
}

void TestFloodFill::borderRuleMeetsTheFillColourLate()
{
    // Two halves joined only through a pixel of the fill colour at the far end:
    // the fill paints hundreds of runs, some many words long, before it first
    // meets that colour, and must then go on through it, and never paint a row twice.
    for (int width : {130, 301}) {
        QImage image(width, 120, QImage::Format_RGB32);
        image.fill(kWhite);
        for (int y = 0; y < image.height() - 1; ++y)
            image.setPixel(width / 2, y, kBlack);
        image.setPixel(width / 2, image.height() - 1, kRed);
        image.setPixel(width - 3, 5, kRed);
        for (int round = 0; round < 3; ++round) {
            QImage img = image.copy();
            std::vector<Span> spans;
            QCOMPARE(floodFillBorder(img, QPoint(round, 0), kBlack, kRed, &spans), image.rect());
            const auto region = reachable(image, QPoint(round, 0), true, kBlack);
            QCOMPARE(img, expectedFill(image, region, kRed));
            QCOMPARE(spans.size(), std::size_t(2 * image.height() - 1));
        }
    }
}

void TestFloodFill::borderRuleMeetsTheFillColourAfterThousandsOfRuns()
{
    // A spiral corridor with the fill colour at its heart: met after more runs
    // than the fill lists, the fill starts again and still paints each run once.
    QImage image = spiral(301, 201);
    const auto fromCentre = [&](QPoint p) { return (p - image.rect().center()).manhattanLength(); };
    QPoint heart;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kWhite && (heart.isNull() || fromCentre({x, y}) < fromCentre(heart)))
                heart = QPoint(x, y);
    image.setPixel(heart, kRed);
    for (int round = 0; round < 2; ++round) {
        QImage img = image.copy();
        std::vector<Span> spans{{-1, 0, 0}};
        floodFillBorder(img, QPoint(1, 1), kBlack, kRed, &spans);
        const auto region = reachable(image, QPoint(1, 1), true, kBlack);
        QVERIFY(region[static_cast<std::size_t>(heart.y() * image.width() + heart.x())]);
        QCOMPARE(img, expectedFill(image, region, kRed));
        QCOMPARE(spans.front().y, -1); // what was in the list before stays
        spans.erase(spans.begin());
        QVERIFY(spans.size() > 4096);
        QVERIFY(spansCover(spans, region, image.width()));
    }
}

void TestFloodFill::surfaceRuleFillsOnlyTheClickedColour()
{
    QImage img = art::image({
        "#######",
        "#..r..#",
        "#.rrr.#",
        "#..r..#",
        "#######",
    });
    QVERIFY(ExtFloodFill(img, 3, 2, 0x0000FF, FloodFillType::Surface, 0x00FF00));
    QCOMPARE(art::text(img), QStringList({
                                 "#######",
                                 "#..g..#",
                                 "#.ggg.#",
                                 "#..g..#",
                                 "#######",
                             }));
}

void TestFloodFill::surfaceRuleRefusals()
{
    QImage img = art::image({"..#", ".r#", "###"});
    const QImage before = img.copy();
    // Not of the surface colour at the start.
    QVERIFY(!ExtFloodFill(img, 1, 1, 0xFFFFFF, FloodFillType::Surface, 0x00FF00));
    QVERIFY(floodFillSurface(img, QPoint(1, 1), kWhite, kGreen).isEmpty());
    // The surface already has the fill colour: nothing to do, and not a failure.
    QVERIFY(floodFillSurface(img, QPoint(0, 0), kWhite, kWhite).isEmpty());
    QVERIFY(ExtFloodFill(img, 0, 0, 0xFFFFFF, FloodFillType::Surface, 0xFFFFFF));
    QCOMPARE(img, before);
}

void TestFloodFill::leaksThroughAOnePixelGapButNotDiagonally()
{
    const QStringList gap = {
        "#########",
        "#...#...#",
        "#...#...#",
        "#.......#",
        "#########",
    };
    QImage img = art::image(gap);
    floodFillBorder(img, QPoint(1, 1), kBlack, kRed);
    QCOMPARE(testsupport::countColour(img, kRed), qint64(3 * 7 - 2));

    // Black pixels touching only at their corners still close the area for a 4-connected fill.
    QImage diagonal = art::image({
        "#######",
        "#..#..#",
        "#.#...#",
        "##....#",
        "#######",
    });
    QImage both = diagonal.copy();
    floodFillSurface(diagonal, QPoint(1, 1), kWhite, kRed);
    floodFillBorder(both, QPoint(1, 1), kBlack, kRed);
    QCOMPARE(art::text(diagonal), QStringList({
                                      "#######",
                                      "#rr#..#",
                                      "#r#...#",
                                      "##....#",
                                      "#######",
                                  }));
    QCOMPARE(both, diagonal);
}

void TestFloodFill::fillStaysInItsRegion()
{
    QImage img = art::image({
        "..........",
        ".####.###.",
        ".#..#.#.#.",
        ".####.###.",
        "..........",
    });
    floodFillBorder(img, QPoint(2, 2), kBlack, kRed);
    QCOMPARE(art::text(img), QStringList({
                                 "..........",
                                 ".####.###.",
                                 ".#rr#.#.#.",
                                 ".####.###.",
                                 "..........",
                             }));
    floodFillSurface(img, QPoint(0, 0), kWhite, kGreen);
    QCOMPARE(art::text(img), QStringList({
                                 "gggggggggg",
                                 "g####g###g",
                                 "g#rr#g#.#g",
                                 "g####g###g",
                                 "gggggggggg",
                             }));
}

void TestFloodFill::oneBlackLineIsOneSurface()
{
    QImage img = art::image({"#....", "##...", ".##..", "..###", "#...."});
    QVERIFY(ExtFloodFill(img, 0, 0, 0x000000, FloodFillType::Surface, 0x0000FF));
    QCOMPARE(art::text(img), QStringList({"r....", "rr...", ".rr..", "..rrr", "#...."}));
}

void TestFloodFill::mazeAndSpiralAreFilledWhole_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QPoint>("start");
    QTest::newRow("maze 40x25") << maze(40, 25, 7) << QPoint(1, 1);
    QTest::newRow("maze from far corner") << maze(33, 17, 11) << QPoint(65, 33);
    QTest::newRow("maze one cell wide") << maze(1, 30, 3) << QPoint(1, 59);
    QTest::newRow("spiral") << spiral(41, 41) << QPoint(1, 1);
    QTest::newRow("flat spiral") << spiral(61, 13) << QPoint(1, 1);
}

void TestFloodFill::mazeAndSpiralAreFilledWhole()
{
    QFETCH(QImage, image);
    QFETCH(QPoint, start);
    QCOMPARE(image.pixel(start), kWhite);
    const std::vector<bool> region = reachable(image, start, false, kWhite);
    QCOMPARE(qint64(std::count(region.begin(), region.end(), true)), testsupport::countColour(image, kWhite));
    const QImage expected = expectedFill(image, region, kRed);
    for (bool border : {false, true}) {
        QImage img = image.copy();
        std::vector<Span> spans;
        const QRect r = border ? floodFillBorder(img, start, kBlack, kRed, &spans)
                               : floodFillSurface(img, start, kWhite, kRed, &spans);
        QCOMPARE(img, expected);
        QCOMPARE(r, boundsOf(image, region));
        QVERIFY(spansCover(spans, region, image.width()));
    }
}

void TestFloodFill::matchesReferenceOnRandomImages_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (int w : {1, 2, 3, 5, 7, 8, 9, 63, 64, 65, 129})
        QTest::addRow("%dx%d", w, 13) << w << 13;
    QTest::newRow("1x40") << 1 << 40;
    QTest::newRow("97x61") << 97 << 61;
    QTest::newRow("300x9") << 300 << 9;
}

void TestFloodFill::matchesReferenceOnRandomImages()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QRandomGenerator rng(static_cast<quint32>(width * 1000 + height));
    for (int round = 0; round < 30; ++round) {
        const QImage image = randomImage(rng, width, height, round % 2 == 1);
        const QPoint start(rng.bounded(width), rng.bounded(height));
        const QRgb clicked = image.pixel(start);
        // Border rule with black, and also with a colour other than black.
        for (QRgb border : {kBlack, kGreen}) {
            QImage img = image.copy();
            std::vector<Span> spans;
            const QRect r = floodFillBorder(img, start, border, kRed, &spans);
            const auto region = reachable(image, start, true, border);
            QCOMPARE(img, expectedFill(image, region, kRed));
            QCOMPARE(r, boundsOf(image, region));
            QVERIFY(spansCover(spans, region, width));
        }
        if ((clicked & 0xFFFFFF) == (kRed & 0xFFFFFF))
            continue;
        QImage img = image.copy();
        std::vector<Span> spans;
        const QRect r = floodFillSurface(img, start, clicked, kRed, &spans);
        const auto region = reachable(image, start, false, clicked);
        QCOMPARE(img, expectedFill(image, region, kRed));
        QCOMPARE(r, boundsOf(image, region));
        QVERIFY(spansCover(spans, region, width));
    }
}

void TestFloodFill::startOutsideChangesNothing()
{
    QImage img = art::image({"...", "...", "..."});
    const QImage before = img.copy();
    for (QPoint p : {QPoint(-1, 0), QPoint(3, 1), QPoint(0, 3), QPoint(1, -1)}) {
        QVERIFY(floodFillBorder(img, p, kBlack, kRed).isEmpty());
        QVERIFY(floodFillSurface(img, p, kWhite, kRed).isEmpty());
        QVERIFY(!ExtFloodFill(img, p.x(), p.y(), 0x000000, FloodFillType::Border, 0xFF));
        QVERIFY(!ExtFloodFill(img, p.x(), p.y(), 0xFFFFFF, FloodFillType::Surface, 0xFF));
    }
    QCOMPARE(img, before);
    QImage none;
    QVERIFY(!ExtFloodFill(none, 0, 0, 0, FloodFillType::Border, 0xFF));
}

void TestFloodFill::onePixelImages()
{
    QImage img = art::image({"."});
    QCOMPARE(floodFillBorder(img, QPoint(0, 0), kBlack, kRed), QRect(0, 0, 1, 1));
    QCOMPARE(art::text(img), QStringList({"r"}));
    QCOMPARE(floodFillSurface(img, QPoint(0, 0), kRed, kGreen), QRect(0, 0, 1, 1));
    QCOMPARE(art::text(img), QStringList({"g"}));
    QImage black = art::image({"#"});
    QVERIFY(floodFillBorder(black, QPoint(0, 0), kBlack, kRed).isEmpty());
}

void TestFloodFill::alphaIsIgnoredInComparisons()
{
    QImage img(4, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(255, 255, 255, 255));
    img.setPixel(1, 0, qRgba(255, 255, 255, 10));
    img.setPixel(2, 0, qRgba(0, 0, 0, 10));
    img.setPixel(3, 0, qRgba(255, 255, 255, 255));
    QCOMPARE(floodFillSurface(img, QPoint(0, 0), kWhite, kRed), QRect(0, 0, 2, 1));
    QCOMPARE(img.pixel(1, 0), qRgba(255, 0, 0, 255));
    QCOMPARE(floodFillBorder(img, QPoint(3, 0), kBlack, kGreen), QRect(3, 0, 1, 1));
    QCOMPARE(GetPixel(img, 2, 0), 0x000000u);
}

void TestFloodFill::getPixelAndSetPixelV()
{
    QImage img = art::image({".r", "gb"});
    QCOMPARE(GetPixel(img, 1, 0), 0x0000FFu);
    QCOMPARE(GetPixel(img, 0, 1), 0x00FF00u);
    QCOMPARE(GetPixel(img, 1, 1), 0xFF0000u);
    QCOMPARE(GetPixel(img, 2, 0), kInvalidColour);
    QCOMPARE(GetPixel(img, 0, -1), kInvalidColour);
    QCOMPARE(GetPixel(QImage(), 0, 0), kInvalidColour);
    QVERIFY(SetPixelV(img, 0, 0, rgbValue(1, 2, 3)));
    QCOMPARE(img.pixel(0, 0), qRgb(1, 2, 3));
    QVERIFY(!SetPixelV(img, 2, 2, 0));
    QCOMPARE(art::text(img).join('|'), QStringLiteral("?r|gb"));
}

// The rectangle the canvas shows again after a fill: the painted pixels' bounds, empty when nothing changed.
void TestFloodFill::extFloodFillTellsWhatItPainted()
{
    const QStringList art = {"#....", "#.###", "#.#..", "#####"};
    QImage img = art::image(art);
    QRect painted(0, 0, 9, 9);
    QVERIFY(ExtFloodFill(img, 1, 1, 0x000000, FloodFillType::Border, 0x0000FF, &painted));
    QCOMPARE(painted, QRect(1, 0, 4, 3));
    img = art::image(art);
    QVERIFY(ExtFloodFill(img, 3, 2, 0xFFFFFF, FloodFillType::Surface, 0x0000FF, &painted));
    QCOMPARE(painted, QRect(3, 2, 2, 1));
    // The area already has the fill colour: a success that changes nothing.
    QVERIFY(ExtFloodFill(img, 3, 2, 0x0000FF, FloodFillType::Surface, 0x0000FF, &painted));
    QVERIFY(painted.isEmpty());
    // A press on the border colour: refused, nothing painted.
    painted = QRect(0, 0, 9, 9);
    QVERIFY(!ExtFloodFill(img, 0, 0, 0x000000, FloodFillType::Border, 0x0000FF, &painted));
    QVERIFY(painted.isEmpty());
}

QTEST_GUILESS_MAIN(TestFloodFill)
#include "test_flood_fill.moc"
