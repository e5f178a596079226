// Where the page stands on the canvas and in coloured copies: the fit, the
// edge line that keeps page and margin apart under both fill rules, and
// copies made at another size or by the earlier stretching fit.
#include "canvas/page_placement.h"
#include "platform/flood_fill.h"
#include "platform/stretch.h"
#include "tests/support/test_folder.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

using testsupport::countColour;

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kGreen = 0xFF00C000u;
constexpr QRgb kBlue = 0xFF0000FFu;
const QSize kDrawing(3004, 2078);
const QSize kWide(1719, 998); // the canvas of a 1920 x 1080 screen: paper left and right
const QSize kTall(823, 686);  // of a 1024 x 768 screen: paper above and below

// A page whose outlines run off every edge: a cross through the middle and a
// ring, so that areas touch all four sides of the page.
QImage crossPage(QSize size = kDrawing)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(kWhite);
    QPainter p(&page);
    p.setPen(QPen(Qt::black, size.width() / 200.0));
    p.drawLine(QPointF(0, size.height() / 2.0), QPointF(size.width(), size.height() / 2.0));
    p.drawLine(QPointF(size.width() / 2.0, 0), QPointF(size.width() / 2.0, size.height()));
    p.drawEllipse(QPointF(size.width() / 2.0, size.height() / 2.0), size.height() / 3.0, size.height() / 3.0);
    return page;
}

// The canvas with `picture` fitted as FitDrawing puts it, over a canvas that
// held something else before.
QImage fitted(const QImage& picture, QSize canvas, int lineWidth = 1)
{
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(kBlue);
    canvas::fitPicture(image, picture, kDrawing, lineWidth);
    return image;
}

bool changedOnlyInside(const QImage& before, const QImage& after, const QRect& inside)
{
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y) && !inside.contains(x, y))
                return false;
    return true;
}

// The bounding box of the pixels of `colour`.
QRect boundsOf(const QImage& image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A copy as a child leaves it: the top-left quarter of the page red, the
// margin green.
QImage colouredCopy(QSize canvas, int lineWidth = 1)
{
    QImage copy = fitted(crossPage(), canvas, lineWidth);
    const QRect page = canvas::fittedPageRect(kDrawing, canvas);
    platform::floodFillBorder(copy, page.topLeft() + QPoint(3, 3), kBlack, kRed);
    platform::floodFillSurface(copy, QPoint(0, 0), kWhite, kGreen);
    return copy;
}

} // namespace

class PagePlacementTest : public QObject {
    Q_OBJECT
private slots:
    void pageIsTheLargestThatFitsCentred();
    void pageAndMarginStayApart_data();
    void pageAndMarginStayApart();
    void copyFindsItsPageThoughColoured_data();
    void copyFindsItsPageThoughColoured();
    void copyAtTheCanvasSizeComesBackWhole();
    void copyFromAnotherSizeFillsThePage_data();
    void copyFromAnotherSizeFillsThePage();
    void stretchedCopyGetsItsShapeBack();
};

void PagePlacementTest::pageIsTheLargestThatFitsCentred()
{
    QCOMPARE(canvas::fittedPageRect({1200, 830}, kTall), QRect(0, 58, 823, 569));
    QCOMPARE(canvas::fittedPageRect(kDrawing, kWide), QRect(138, 0, 1443, 998));
    QCOMPARE(canvas::fittedPageRect({400, 300}, {800, 600}), QRect(0, 0, 800, 600));
    QVERIFY(canvas::fittedPageRect({0, 10}, kWide).isEmpty());
    QVERIFY(canvas::fittedPageRect(kDrawing, {0, 0}).isEmpty());

    QRandomGenerator random(13);
    for (int i = 0; i < 2000; ++i) {
        const QSize page(random.bounded(1, 5000), random.bounded(1, 5000));
        const QSize canvas(random.bounded(1, 4000), random.bounded(1, 4000));
        const QRect r = canvas::fittedPageRect(page, canvas);
        QVERIFY(QRect(QPoint(0, 0), canvas).contains(r));
        const bool acrossFull = r.width() == canvas.width();
        QVERIFY(acrossFull || r.height() == canvas.height());
        // The other side within half a pixel of the page's proportions.
        const double exact = acrossFull ? double(canvas.width()) * page.height() / page.width()
                                        : double(canvas.height()) * page.width() / page.height();
        QVERIFY(std::abs((acrossFull ? r.height() : r.width()) - std::max(1.0, exact)) <= 0.5 + 1e-9);
        QVERIFY(std::abs((canvas.width() - r.right() - 1) - r.left()) <= 1);
        QVERIFY(std::abs((canvas.height() - r.bottom() - 1) - r.top()) <= 1);
    }
}

void PagePlacementTest::pageAndMarginStayApart_data()
{
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<int>("lineWidth");
    QTest::newRow("paper left and right") << kWide << 1;
    QTest::newRow("paper above and below") << kTall << 1;
    QTest::newRow("two device pixels a screen pixel") << kWide * 2 << 2;
}

// A press in the margin floods only the margin, and one in an area that
// touches the page's edge stops at the edge line, by either rule.
void PagePlacementTest::pageAndMarginStayApart()
{
    QFETCH(QSize, canvas);
    QFETCH(int, lineWidth);
    const QImage before = fitted(crossPage(), canvas, lineWidth);
    const QRect page = canvas::fittedPageRect(kDrawing, canvas);
    QCOMPARE(countColour(before, kBlue), 0);
    for (const bool border : {true, false}) {
        QImage inMargin = before;
        QRect painted = border ? platform::floodFillBorder(inMargin, {0, 0}, kBlack, kRed)
                               : platform::floodFillSurface(inMargin, {0, 0}, kWhite, kRed);
        QVERIFY(!painted.isEmpty());
        QVERIFY(!painted.intersects(page));
        for (const QPoint corner : {page.topLeft(), page.topRight(), page.bottomLeft(), page.bottomRight()}) {
            QImage onPage = before;
            const QPoint inside = corner + QPoint(corner.x() == page.left() ? 3 : -3, corner.y() == page.top() ? 3 : -3);
            painted = border ? platform::floodFillBorder(onPage, inside, kBlack, kRed)
                             : platform::floodFillSurface(onPage, inside, kWhite, kRed);
            QVERIFY(!painted.isEmpty());
            QVERIFY2(changedOnlyInside(before, onPage, page), "a fill on the page ran into the margin");
        }
    }
}

void PagePlacementTest::copyFindsItsPageThoughColoured_data()
{
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<int>("lineWidth");
    QTest::addColumn<QString>("change");
    for (const QString change : {"none", "outlines recoloured", "pencil across the line", "margin painted black"}) {
        QTest::addRow("wide, %s", qPrintable(change)) << kWide << 1 << change;
        QTest::addRow("tall, %s", qPrintable(change)) << kTall << 1 << change;
        QTest::addRow("two device pixels, %s", qPrintable(change)) << kWide * 2 << 2 << change;
    }
}

void PagePlacementTest::copyFindsItsPageThoughColoured()
{
    QFETCH(QSize, canvas);
    QFETCH(int, lineWidth);
    QFETCH(QString, change);
    QImage copy = colouredCopy(canvas, lineWidth);
    const QRect page = canvas::fittedPageRect(kDrawing, canvas);
    if (change == "outlines recoloured") {
        // The surface rule on an outline running off the page takes the edge line too.
        QVERIFY(!platform::floodFillSurface(copy, page.center(), kBlack, kBlue).isEmpty());
        const QPoint line = page.left() > 0 ? QPoint(page.left() - 1, page.top()) : QPoint(page.left(), page.top() - 1);
        QCOMPARE(copy.pixel(line), kBlue);
    } else if (change == "pencil across the line") {
        QPainter p(&copy);
        p.setPen(QPen(QColor(kBlue), 8));
        p.drawLine(QPointF(0, 0), QPointF(canvas.width(), canvas.height()));
    } else if (change == "margin painted black") {
        platform::floodFillSurface(copy, {0, 0}, kGreen, kBlack);
    }
    QCOMPARE(canvas::pageInCopy(copy, kDrawing), page);
}

// The copy of a child's page on the same screen: every pixel as it was,
// the margin's colouring included.
void PagePlacementTest::copyAtTheCanvasSizeComesBackWhole()
{
    const QImage copy = colouredCopy(kWide);
    QCOMPARE(fitted(copy, kWide), copy);
    // The page itself at the canvas's size is put as it is.
    const QImage page = crossPage(kWide);
    QImage image(kWide, QImage::Format_RGB32);
    canvas::fitPicture(image, page, page.size(), 1);
    QCOMPARE(image, page);
}

void PagePlacementTest::copyFromAnotherSizeFillsThePage_data()
{
    QTest::addColumn<QSize>("made");
    QTest::addColumn<int>("madeLine");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("4:3 to 16:9") << kTall << 1 << kWide;
    QTest::newRow("16:9 to 4:3") << kWide << 1 << kTall;
    QTest::newRow("high density to 4:3") << kWide * 2 << 2 << kTall;
    QTest::newRow("16:9 to high density") << kWide << 1 << kWide * 2;
}

// Only the copy's page comes over, onto the whole of the new page: fresh
// paper round it, the edge line, and the colouring where it was on the page.
void PagePlacementTest::copyFromAnotherSizeFillsThePage()
{
    QFETCH(QSize, made);
    QFETCH(int, madeLine);
    QFETCH(QSize, shown);
    const QImage image = fitted(colouredCopy(made, madeLine), shown);
    const QRect page = canvas::fittedPageRect(kDrawing, shown);
    QCOMPARE(countColour(image, kGreen), 0);
    QCOMPARE(image.pixel(0, 0), kWhite);
    if (page.left() > 0)
        QCOMPARE(image.pixel(page.left() - 1, page.center().y()), kBlack);
    else
        QCOMPARE(image.pixel(page.center().x(), page.top() - 1), kBlack);
    // The red quarter runs from the page's top-left corner to its cross,
    // whose lines are 15 pixels of the drawing wide.
    const QRect red = boundsOf(image, kRed);
    const int halfCross = int(15.0 * page.width() / kDrawing.width() / 2) + 2;
    QVERIFY(std::abs(red.left() - page.left()) <= 1 && std::abs(red.top() - page.top()) <= 1);
    QVERIFY(std::abs(red.right() - page.center().x()) <= halfCross);
    QVERIFY(std::abs(red.bottom() - page.center().y()) <= halfCross);
}

// A copy of the earlier version, its page stretched over a wide canvas: the
// page is shrunk back to its own proportions, so its ring is round again.
void PagePlacementTest::stretchedCopyGetsItsShapeBack()
{
    QImage old = platform::stretchKeepingDark(crossPage(), kWide);
    // A sky coloured evenly all round: whole columns of one colour where the
    // edge line would stand do not make it a copy with a margin.
    platform::floodFillBorder(old, {1, 1}, kBlack, kBlue);
    platform::floodFillBorder(old, {kWide.width() - 2, 1}, kBlack, kBlue);
    platform::floodFillBorder(old, {1, kWide.height() - 2}, kBlack, kBlue);
    platform::floodFillBorder(old, {kWide.width() - 2, kWide.height() - 2}, kBlack, kBlue);
    platform::floodFillBorder(old, QPoint(kWide.width() / 2, kWide.height() / 2) + QPoint(20, 20), kBlack, kRed);
    QCOMPARE(canvas::pageInCopy(old, kDrawing), old.rect());
    const QImage image = fitted(old, kWide);
    const QRect ringQuarter = boundsOf(image, kRed);
    QVERIFY2(std::abs(ringQuarter.width() - ringQuarter.height()) <= 1,
             qPrintable(QString("%1 x %2").arg(ringQuarter.width()).arg(ringQuarter.height())));
    QCOMPARE(countColour(image.copy(0, 0, canvas::fittedPageRect(kDrawing, kWide).left(), kWide.height()), kWhite),
             qint64(canvas::fittedPageRect(kDrawing, kWide).left() - 1) * kWide.height());
}

QTEST_GUILESS_MAIN(PagePlacementTest)
#include "test_page_placement.moc"
