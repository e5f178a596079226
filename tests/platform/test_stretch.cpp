// Stretching pages onto the canvas and the four StretchBlt modes, pixel for pixel.
#include "image_art.h"
#include "platform/flood_fill.h"
#include "platform/stretch.h"
#include "tests/support/samples.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <functional>
#include <utility>

using namespace platform;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);

// A page with one closed 1-pixel outline drawn without antialiasing.
QImage outlinePage(QSize size, const std::function<void(QPainter&)>& draw)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(kWhite);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter);
    return page;
}

QPoint scaled(QPoint p, QSize from, QSize to)
{
    return QPoint(p.x() * to.width() / from.width(), p.y() * to.height() / from.height());
}

QImage randomImage(int w, int h, quint32 seed, const QList<QRgb>& palette)
{
    QRandomGenerator rng(seed);
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, palette[rng.bounded(static_cast<int>(palette.size()))]);
    return img;
}

} // namespace

class TestStretch : public QObject {
    Q_OBJECT
private slots:
    void closedOutlineStaysClosedWhenShrunk_data();
    void closedOutlineStaysClosedWhenShrunk();
    void twoColourPageStaysTwoColour();
    void darkestPixelOfTheBlockWins();
    void enlargingIsNearestNeighbour();
    void axesAreIndependent();
    void sameSizeIsAnExactCopyInEveryMode();
    void stretchBltModesWhenShrinking();
    void growingIsNearestNeighbourInEveryMode();
    void emptyInputGivesNull();
    void resultIsRgb32();
    void onePixelBytesShrinkAsTheirColours();
    void tiledBlocksCountEachPixelOnce();
    void tiledShrinkKeepsTheDarkestOfEachTile();
};

void TestStretch::closedOutlineStaysClosedWhenShrunk_data()
{
    QTest::addColumn<QImage>("page");
    QTest::addColumn<QPoint>("inside");
    const QSize size(230, 184);
    // A diamond is closed only through its corners: the thinnest 8-connected outline.
    for (int shift = 0; shift < 3; ++shift) {
        const QPolygon diamond({QPoint(115 + shift, 20), QPoint(200, 92 + shift),
                                QPoint(115 + shift, 164), QPoint(30, 92 + shift)});
        QTest::addRow("diamond %d", shift)
            << outlinePage(size, [&](QPainter& p) { p.drawPolygon(diamond); }) << QPoint(115, 92);
    }
    QTest::newRow("circle") << outlinePage(size, [](QPainter& p) { p.drawEllipse(QPoint(115, 92), 70, 60); })
                            << QPoint(115, 92);
    QTest::newRow("slanted polygon")
        << outlinePage(size, [](QPainter& p) {
               p.drawPolygon(QPolygon({QPoint(20, 30), QPoint(207, 11), QPoint(160, 170), QPoint(41, 141)}));
           })
        << QPoint(110, 90);
}

void TestStretch::closedOutlineStaysClosedWhenShrunk()
{
    QFETCH(QImage, page);
    QFETCH(QPoint, inside);
    // Shrunk by 2.3 both ways; a border fill from inside must not reach the corner outside.
    const QSize target(qRound(page.width() / 2.3), qRound(page.height() / 2.3));
    QImage canvas = stretchKeepingDark(page, target);
    QCOMPARE(canvas.size(), target);
    const QPoint start = scaled(inside, page.size(), target);
    QCOMPARE(canvas.pixel(start), kWhite);
    QVERIFY(!floodFillBorder(canvas, start, kBlack, kRed).isEmpty());
    QCOMPARE(canvas.pixel(0, 0), kWhite);
    QCOMPARE(canvas.pixel(target.width() - 1, target.height() - 1), kWhite);
}

void TestStretch::twoColourPageStaysTwoColour()
{
    const QImage noise = randomImage(97, 61, 5, {kBlack, kWhite, kWhite});
    for (QSize size : {QSize(40, 25), QSize(96, 60), QSize(200, 30), QSize(13, 140), QSize(97, 61)}) {
        const QSet<QRgb> colours = testsupport::coloursOf(stretchKeepingDark(noise, size));
        QVERIFY(colours.size() <= 2);
        QVERIFY(colours.contains(kBlack));
        QVERIFY((colours - QSet<QRgb>{kBlack, kWhite}).isEmpty());
    }
    // A page of many colours gives only colours it has.
    const QList<QRgb> palette = {kRed, qRgb(10, 200, 30), qRgb(90, 90, 250), qRgb(250, 250, 10)};
    const QImage colourful = randomImage(50, 40, 9, palette);
    QVERIFY(testsupport::coloursOf(stretchKeepingDark(colourful, QSize(21, 17))).subtract(testsupport::coloursOf(colourful)).isEmpty());
}

void TestStretch::darkestPixelOfTheBlockWins()
{
    // 6 -> 2 wide: blocks 0..2 and 3..5.
    const QImage row = art::image({"y.kr#g"});
    QCOMPARE(art::text(stretchKeepingDark(row, QSize(2, 1))), QStringList({"k#"}));
    // 5 -> 2: blocks 0..2 and 2..4 share pixel 2, so a lone dark pixel there darkens both.
    const QImage shared = art::image({"..#..", ".....", "....."});
    QCOMPARE(art::text(stretchKeepingDark(shared, QSize(2, 1))), QStringList({"##"}));
}

void TestStretch::enlargingIsNearestNeighbour()
{
    const QImage small = art::image({"#r", "g."});
    QCOMPARE(art::text(stretchKeepingDark(small, QSize(4, 4))),
             QStringList({"##rr", "##rr", "gg..", "gg.."}));
    QCOMPARE(art::text(stretchKeepingDark(small, QSize(5, 3))),
             QStringList({"##rrr", "gg...", "gg..."}));
}

void TestStretch::axesAreIndependent()
{
    // Shrinks across (4 -> 2, darkest of each pair) and grows down (2 -> 4, rows repeated).
    const QImage img = art::image({"#.r.", "..y."});
    QCOMPARE(art::text(stretchKeepingDark(img, QSize(2, 4))), QStringList({"#r", "#r", ".y", ".y"}));
    // Grows across and shrinks down.
    const QImage tall = art::image({"r.", "..", "#.", ".."});
    QCOMPARE(art::text(stretchKeepingDark(tall, QSize(4, 2))), QStringList({"rr..", "##.."}));
}

void TestStretch::sameSizeIsAnExactCopyInEveryMode()
{
    const QImage picture = randomImage(32, 32, 3, {kBlack, kWhite, kRed, qRgb(1, 2, 3), qRgb(200, 100, 50)});
    QCOMPARE(stretchKeepingDark(picture, picture.size()), picture);
    for (StretchMode mode : {StretchMode::BlackOnWhite, StretchMode::WhiteOnBlack,
                             StretchMode::ColorOnColor, StretchMode::Halftone})
        QCOMPARE(stretchBlt(picture, picture.size(), mode), picture);
}

void TestStretch::stretchBltModesWhenShrinking()
{
    // Red and green side by side, squeezed into one pixel.
    const QImage pair = art::image({"rg"});
    const QSize one(1, 1);
    QCOMPARE(stretchBlt(pair, one, StretchMode::BlackOnWhite).pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(stretchBlt(pair, one, StretchMode::WhiteOnBlack).pixel(0, 0), qRgb(255, 255, 0));
    QCOMPARE(stretchBlt(pair, one, StretchMode::ColorOnColor).pixel(0, 0), qRgb(0, 255, 0));
    QCOMPARE(stretchBlt(pair, one, StretchMode::Halftone).pixel(0, 0), qRgb(128, 128, 0));
    // Black on white keeps a thin black line that dropping pixels would lose.
    const QImage line = art::image({"....", "....", "####", "....", "....", "...."});
    QCOMPARE(art::text(stretchBlt(line, QSize(4, 2), StretchMode::BlackOnWhite)),
             QStringList({"####", "...."}));
    QCOMPARE(art::text(stretchBlt(line, QSize(4, 2), StretchMode::WhiteOnBlack)),
             QStringList({"....", "...."}));
    QCOMPARE(art::text(stretchBlt(line, QSize(4, 2), StretchMode::ColorOnColor)),
             QStringList({"....", "...."}));
    // Halftone averages the block: one black row of three gives two-thirds white.
    QCOMPARE(stretchBlt(line, QSize(4, 2), StretchMode::Halftone).pixel(0, 0), qRgb(170, 170, 170));
}

void TestStretch::growingIsNearestNeighbourInEveryMode()
{
    const QImage small = art::image({"#r", "g."});
    for (StretchMode mode : {StretchMode::BlackOnWhite, StretchMode::WhiteOnBlack,
                             StretchMode::ColorOnColor, StretchMode::Halftone})
        QCOMPARE(art::text(stretchBlt(small, QSize(4, 2), mode)), QStringList({"##rr", "gg.."}));
}

void TestStretch::emptyInputGivesNull()
{
    const QImage img = art::image({"#."});
    QVERIFY(stretchKeepingDark(QImage(), QSize(3, 3)).isNull());
    QVERIFY(stretchKeepingDark(img, QSize(0, 3)).isNull());
    QVERIFY(stretchKeepingDark(img, QSize(3, -1)).isNull());
    QVERIFY(stretchBlt(QImage(), QSize(3, 3), StretchMode::Halftone).isNull());
    QVERIFY(stretchBlt(img, QSize(), StretchMode::ColorOnColor).isNull());
}

void TestStretch::resultIsRgb32()
{
    QImage indexed(4, 4, QImage::Format_Indexed8);
    indexed.setColorTable({kBlack, kWhite});
    indexed.fill(1);
    indexed.setPixel(1, 1, 0);
    const QImage out = stretchKeepingDark(indexed, QSize(2, 2));
    QCOMPARE(out.format(), QImage::Format_RGB32);
    QCOMPARE(art::text(out), QStringList({"#.", ".."}));
    QCOMPARE(stretchBlt(indexed, QSize(8, 8), StretchMode::Halftone).format(), QImage::Format_RGB32);
}

// Grey and indexed pictures take their own path: it must give what their
// 32-bit conversion gives, for any colour table (short, empty, with ties,
// with alpha) and indices past its end, shrinking, growing and both.
void TestStretch::onePixelBytesShrinkAsTheirColours()
{
    QRandomGenerator rng(7);
    const QList<QSize> sizes{{37, 23}, {12, 40}, {64, 64}, {5, 3}, {101, 7}};
    for (int round = 0; round < 60; ++round) {
        const QSize from(1 + rng.bounded(90), 1 + rng.bounded(70));
        QImage picture(from, round % 3 == 0 ? QImage::Format_Grayscale8 : QImage::Format_Indexed8);
        QList<QRgb> table;
        const int colours = round % 5 == 1 ? 0 : 1 + rng.bounded(256);
        for (int i = 0; i < colours; ++i)
            table.append(round % 4 == 0 ? rng.generate() : (i % 3 == 0 ? qRgb(0, 0, 0) : 0xFF000000u | rng.generate()));
        if (picture.format() == QImage::Format_Indexed8)
            picture.setColorTable(table);
        const int values = round % 2 == 0 ? 256 : std::max(colours, 1);
        for (int y = 0; y < from.height(); ++y) {
            uchar* row = picture.scanLine(y);
            for (int x = 0; x < from.width(); ++x)
                row[x] = uchar(rng.bounded(values));
        }
        const QImage wide = picture.convertToFormat(QImage::Format_RGB32);
        for (const QSize to : sizes) {
            const QImage expected = stretchKeepingDark(wide, to);
            QVERIFY2(stretchKeepingDark(picture, to) == expected,
                     qPrintable(QString("round %1, %2x%3 to %4x%5")
                                    .arg(round).arg(from.width()).arg(from.height()).arg(to.width()).arg(to.height())));
            QImage canvas(to + QSize(4, 6), QImage::Format_RGB32);
            canvas.fill(kRed);
            stretchKeepingDarkInto(picture, canvas, QRect(QPoint(3, 2), to));
            QCOMPARE(canvas.copy(QRect(QPoint(3, 2), to)), expected);
            QCOMPARE(canvas.pixel(2, 2), kRed);
        }
    }
}

// Where the covering blocks overlap, the tiles do not: a dark pixel on a
// block edge darkens two target pixels in the one and one in the other.
void TestStretch::tiledBlocksCountEachPixelOnce()
{
    for (const auto& [source, target] : {std::pair{5, 2}, std::pair{7, 3}, std::pair{1000, 333}, std::pair{9, 9}}) {
        int next = 0;
        for (int i = 0; i < target; ++i) {
            const SourceSpan tile = tiledSpan(i, source, target);
            QCOMPARE(tile.first, next);
            QVERIFY(tile.last >= tile.first);
            const SourceSpan covering = keepingDarkSpan(i, source, target);
            QVERIFY(covering.first <= tile.first && covering.last == tile.last);
            next = tile.last + 1;
        }
        QCOMPARE(next, source);
    }
    QImage grey(5, 3, QImage::Format_Grayscale8);
    grey.fill(255);
    grey.setPixel(2, 1, 0); // on the edge of the covering blocks 0..2 and 2..4
    QCOMPARE(art::text(stretchKeepingDark(grey, QSize(2, 1))), QStringList({"##"}));
    const QImage tiled = shrinkKeepingDarkTiled(grey, QSize(2, 1));
    QCOMPARE(tiled.format(), QImage::Format_Grayscale8);
    QCOMPARE(art::text(tiled.convertToFormat(QImage::Format_RGB32)), QStringList({"#."}));
}

// Each target pixel is the smallest value of the source pixels x, y with
// x * t / s and y * t / s (rounded down) at its place, on noise of every
// grey and on lone dark specks, from the same size down to a single pixel.
void TestStretch::tiledShrinkKeepsTheDarkestOfEachTile()
{
    QRandomGenerator rng(11);
    for (int round = 0; round < 40; ++round) {
        const QSize from(1 + rng.bounded(120), 1 + rng.bounded(90));
        QImage grey(from, QImage::Format_Grayscale8);
        const bool specks = round % 2 == 1;
        for (int y = 0; y < from.height(); ++y) {
            uchar* row = grey.scanLine(y);
            for (int x = 0; x < from.width(); ++x)
                row[x] = specks ? (rng.bounded(50) == 0 ? uchar(rng.bounded(40)) : uchar(255)) : uchar(rng.bounded(256));
        }
        const QSize to(1 + rng.bounded(from.width()), 1 + rng.bounded(from.height()));
        QImage expected(to, QImage::Format_Grayscale8);
        expected.fill(255);
        for (int y = 0; y < from.height(); ++y) {
            for (int x = 0; x < from.width(); ++x) {
                uchar& least = expected.scanLine(y * to.height() / from.height())[x * to.width() / from.width()];
                least = std::min(least, grey.constScanLine(y)[x]);
            }
        }
        QVERIFY2(shrinkKeepingDarkTiled(grey, to) == expected,
                 qPrintable(QString("round %1, %2x%3 to %4x%5")
                                .arg(round).arg(from.width()).arg(from.height()).arg(to.width()).arg(to.height())));
        QVERIFY(shrinkKeepingDarkTiled(grey, from) == grey);
    }
    QVERIFY(shrinkKeepingDarkTiled(QImage(), QSize(1, 1)).isNull());
}

QTEST_GUILESS_MAIN(TestStretch)
#include "test_stretch.moc"
