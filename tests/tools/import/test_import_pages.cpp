// Whole pages made from pictures this test draws with known areas: the
// importer must find every area, close the gaps, and keep every fill inside
// its area on the page and on a small screen's canvas.
#include "clean_page.h"
#include "tests/support/line_pictures.h"
#include "page_fit.h"
#include "picture_input.h"
#include "sample_drawings.h"

#include "platform/stretch.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace importer;
using linepictures::fillLeak;
using linepictures::scaledSeeds;
using sampledrawings::Drawing;
using sampledrawings::noise;
using sampledrawings::seedsOnPage;

namespace {

// The canvas of a 1024 x 768 screen.
constexpr QSize kSmallCanvas(823, 686);

PictureFile saved(const QTemporaryDir& dir, const QString& name, const QImage& picture, int quality = -1)
{
    const QString path = dir.filePath(name);
    if (!picture.save(path, nullptr, quality))
        return {};
    return readPictureFile(path);
}

// A table of 4 x 3 cells drawn with a thin antialiased grey pen, with an
// ellipse in four of the cells: 12 + 4 + 1 areas.
Drawing greyTable()
{
    Drawing d{QImage(1000, 700, QImage::Format_RGB32), {{20, 20}}};
    d.picture.fill(Qt::white);
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 120, 120), 1.3));
    for (int i = 0; i <= 4; ++i)
        p.drawLine(QPointF(100.3 + 200 * i, 100.6), QPointF(100.3 + 200 * i, 580.6));
    for (int j = 0; j <= 3; ++j)
        p.drawLine(QPointF(100.3, 100.6 + 160 * j), QPointF(900.3, 100.6 + 160 * j));
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 3; ++j) {
            d.seeds << QPoint(115 + 200 * i, 115 + 160 * j);
            if ((i + j) % 3 == 0) {
                p.drawEllipse(QPointF(200 + 200 * i, 180 + 160 * j), 60.5, 45.5);
                d.seeds << QPoint(200 + 200 * i, 180 + 160 * j);
            }
        }
    }
    return d;
}

// Boxes of 2-pixel lines at the size pages are cleaned at, the first four broken by
// gaps of 1 to 4 pixels (top, side, and two along tilted sides, counted
// along the line), the last by a gap of `wideGap`.
Drawing gappedBoxes(int wideGap)
{
    Drawing d{QImage(kCleaningSize, QImage::Format_RGB32), {{5, 5}}};
    d.picture.fill(Qt::white);
    QPainter p(&d.picture);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(100, 100, 250, 200);
    p.drawRect(450, 100, 250, 200);
    const QPolygon tilted({{300, 420}, {450, 570}, {300, 720}, {150, 570}});
    p.drawPolygon(tilted);
    p.drawPolygon(tilted.translated(450, 0));
    p.drawRect(900, 420, 200, 200);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(200, 98, 1, 6);          // 1 pixel in a top side
    p.drawRect(448, 200, 6, 2);         // 2 pixels in a left side
    p.drawRect(365, 485, 4, 4);         // 3 pixels along a tilted side
    p.drawRect(815, 485, 5, 5);         // 4 pixels along another
    p.drawRect(1000, 418, wideGap, 6);  // the wide one
    d.seeds << QPoint(200, 200) << QPoint(550, 200) << QPoint(300, 570) << QPoint(750, 570)
            << QPoint(1000, 520);
    return d;
}

// A photo-like scan at twice the page's size: warm, uneven, noisy paper;
// soft dark lines; dust; one gap of 6 scan pixels (3 on the page).
Drawing drawNoisyScan()
{
    Drawing d{QImage(2400, 1660, QImage::Format_RGB32), {{40, 40}}};
    d.picture.fill(Qt::white);
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 35, 30), 5));
    p.drawRect(200, 200, 900, 600);
    p.drawEllipse(QPointF(650, 500), 250, 180);
    p.drawEllipse(QPointF(1700, 600), 400, 300);
    QPainterPath wobble;
    for (int i = 0; i <= 72; ++i) {
        const double a = i * M_PI / 36;
        const QPointF at(1200 + (500 + 40 * std::sin(5 * a)) * std::cos(a), 1250 + (260 + 30 * std::sin(7 * a)) * std::sin(a));
        i == 0 ? wobble.moveTo(at) : wobble.lineTo(at);
    }
    p.drawPath(wobble);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(640, 190, 6, 20); // the gap, in the rectangle's top side
    p.end();
    d.seeds << QPoint(260, 260) << QPoint(650, 500) << QPoint(1700, 600) << QPoint(1200, 1250);
    QRandomGenerator random(7);
    for (int y = 0; y < d.picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(d.picture.scanLine(y));
        for (int x = 0; x < d.picture.width(); ++x) {
            const double light = 0.93 - 0.12 * x / d.picture.width() - 0.05 * y / d.picture.height();
            const double v = qGray(row[x]) * light + noise(random, 12);
            row[x] = qRgb(qBound(0, int(v + 8), 255), qBound(0, int(v + 2), 255), qBound(0, int(v - 12), 255));
        }
    }
    for (const QPoint dust : {QPoint(400, 650), QPoint(1500, 500), QPoint(2200, 1500), QPoint(900, 1200)})
        d.picture.setPixel(dust, qRgb(50, 45, 40));
    return d;
}

// Every check of a finished page: its colours, its areas and its fills, on
// the page and shrunk onto a small canvas.
void checkPage(const Page& page, const Drawing& drawing, int areas)
{
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QCOMPARE(page.image.size(), kPageSize);
    const QImage grey = toGrey(page.image);
    QCOMPARE(linepictures::rowsOf(grey).join("").count('?'), 0);
    QCOMPARE(page.cleaning.areas, areas);
    QCOMPARE(countAreas(grey), areas);
    const QList<QPoint> seeds = seedsOnPage(drawing.seeds, drawing.picture.size());
    const QString leak = fillLeak(page.image, seeds);
    QVERIFY2(leak.isEmpty(), qPrintable("on the page: " + leak));
    const QImage canvas = platform::stretchKeepingDark(page.image, kSmallCanvas);
    QCOMPARE(countAreas(toGrey(canvas)), areas);
    const QString canvasLeak = fillLeak(canvas, scaledSeeds(seeds, kPageSize, kSmallCanvas));
    QVERIFY2(canvasLeak.isEmpty(), qPrintable("on the canvas: " + canvasLeak));
}

} // namespace

class ImportPagesTest : public QObject {
    Q_OBJECT
private slots:
    void antialiasedGreyLines();
    void gapsOfOneToFourPixelsClose();
    void widerGapsCloseWhenAsked();
    void gapsCountInTheEnlargedPicture();
    void noisyScan();
    void svgDrawing();
    void linesRunningOffThePictureAreClosed();
    void logoShowsThePage();

private:
    QTemporaryDir dir_;
};

void ImportPagesTest::antialiasedGreyLines()
{
    const Drawing table = greyTable();
    const PictureFile file = saved(dir_, "table.png", table.picture);
    QVERIFY(file.ok());
    checkPage(makePage(file), table, 17);
}

void ImportPagesTest::gapsOfOneToFourPixelsClose()
{
    const Drawing boxes = gappedBoxes(6);
    const PictureFile file = saved(dir_, "boxes.png", boxes.picture);
    const Page open = makePage(file, 0);
    // Every box leaks as drawn, but for the 1-pixel gap, which the thickening closes.
    QCOMPARE(open.cleaning.areas, 2);
    QCOMPARE(open.cleaning.gapsClosed, 0);
    const Page page = makePage(file);
    QCOMPARE(page.cleaning.gapsClosed, 4);
    const QString leak = fillLeak(page.image, seedsOnPage(boxes.seeds.mid(0, 5), kCleaningSize));
    QVERIFY2(leak.isEmpty(), qPrintable(leak));
    QCOMPARE(page.cleaning.areas, 5); // the box with the 6-pixel gap stays open
}

void ImportPagesTest::widerGapsCloseWhenAsked()
{
    const Drawing boxes = gappedBoxes(6);
    const Page page = makePage(saved(dir_, "boxes6.png", boxes.picture), 6);
    QCOMPARE(page.cleaning.gapsClosed, 5);
    checkPage(page, boxes, 6);
}

void ImportPagesTest::gapsCountInTheEnlargedPicture()
{
    // At half the cleaning size a 4-pixel gap is 8 pixels wide there, and
    // still closes; a 6-pixel one does not.
    Drawing half{QImage(kCleaningSize / 2, QImage::Format_RGB32), {{5, 5}, {150, 150}}};
    half.picture.fill(Qt::white);
    QPainter p(&half.picture);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(50, 50, 200, 200);
    p.drawRect(350, 50, 200, 200);
    p.fillRect(100, 48, 4, 6, Qt::white);
    p.fillRect(400, 48, 6, 6, Qt::white);
    p.end();
    const Page page = makePage(saved(dir_, "half.png", half.picture));
    QCOMPARE(page.cleaning.gapsClosed, 1);
    checkPage(page, half, 2);
}

void ImportPagesTest::noisyScan()
{
    const Drawing scan = drawNoisyScan();
    const PictureFile file = saved(dir_, "scan.jpg", scan.picture, 80);
    QVERIFY(file.ok());
    const Page page = makePage(file);
    QCOMPARE(page.cleaning.gapsClosed, 1);
    checkPage(page, scan, 5);
}

void ImportPagesTest::svgDrawing()
{
    const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200" viewBox="0 0 300 200">
        <rect x="10" y="10" width="130" height="90" fill="none" stroke="#333" stroke-width="1"/>
        <circle cx="220" cy="110" r="60" fill="#fafafa" stroke="black" stroke-width="0.8"/>
        <path d="M30 180 L130 120 L130 180 Z" fill="none" stroke="#202060" stroke-width="1.5"/>
        </svg>)";
    const QString path = dir_.filePath("shapes.svg");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(svg), svg.size());
    out.close();
    const PictureFile file = readPictureFile(path);
    QVERIFY2(file.ok(), qPrintable(file.error));
    QCOMPARE(file.size, QSize(300, 200));
    const Drawing shapes{QImage(300, 200, QImage::Format_RGB32), {{5, 150}, {75, 55}, {220, 110}, {110, 165}}};
    checkPage(makePage(file), shapes, 4);
}

void ImportPagesTest::linesRunningOffThePictureAreClosed()
{
    // A cross from edge to edge of a wide picture: four areas that only the
    // picture's edge closes, then white margins above and below on the page.
    Drawing cross{QImage(1200, 400, QImage::Format_RGB32), {{300, 100}, {900, 100}, {300, 300}, {900, 300}}};
    cross.picture.fill(Qt::white);
    QPainter p(&cross.picture);
    p.fillRect(0, 199, 1200, 3, Qt::black);
    p.fillRect(599, 0, 3, 400, Qt::black);
    p.end();
    const Page page = makePage(saved(dir_, "cross.png", cross.picture));
    QVERIFY(page.edgesClosed);
    cross.seeds << QPoint(600, -100) << QPoint(600, 500); // the two margins
    checkPage(page, cross, 6);
}

void ImportPagesTest::logoShowsThePage()
{
    const Page page = makePage(saved(dir_, "logo-table.png", greyTable().picture));
    const QImage logo = logoFromPage(page.image);
    QCOMPARE(logo.size(), kLogoSize);
    int dark = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x)
            dark += qGray(logo.pixel(x, y)) < 128;
    }
    QVERIFY2(dark > 100, qPrintable(QString("only %1 dark pixels").arg(dark)));
    QCOMPARE(logo.pixel(0, 0), qRgb(255, 255, 255));
}

QTEST_MAIN(ImportPagesTest)
#include "test_import_pages.moc"
