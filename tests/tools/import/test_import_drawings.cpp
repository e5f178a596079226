// Whole pages made from the sample pictures: fills, silhouettes, cartoons,
// shading, maps and phone photos come out as pages of the areas a parent
// expects, colourable on the page and on the smallest canvas, and pictures
// that are no drawings are refused unless asked for.
#include "clean_page.h"
#include "tests/support/line_pictures.h"
#include "page_fit.h"
#include "picture_input.h"
#include "sample_drawings.h"

#include "platform/stretch.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace importer;
using linepictures::fillLeak;
using linepictures::scaledSeeds;
using sampledrawings::Drawing;
using sampledrawings::seedsOnPage;

namespace {

// Ink covers at most this share of a page made from line art.
constexpr double kMostBlack = 0.15;

// One point well inside each area of `page` that has room for one: four
// pixels of the page as it is cleaned from its lines, so that it stays off
// them on the smallest canvas too.
QList<QPoint> areaSeeds(const QImage& page)
{
    const QImage lines = toGrey(page);
    const int inside = 4 * kPageSize.width() / kCleaningSize.width();
    const QImage core = lineart::dilateInk(lines, -inside, inside, lineart::Outside::Ink);
    const lineart::Components areas = lineart::labelComponents(lines, lineart::kPaper, lineart::Connectivity::Four);
    std::vector<char> seen(std::size_t(areas.count()), 0);
    QList<QPoint> seeds;
    for (int y = 0; y < core.height(); ++y) {
        for (int x = 0; x < core.width(); ++x) {
            const int a = areas.at(x, y);
            if (core.constScanLine(y)[x] == lineart::kPaper && !seen[std::size_t(a)])
                seen[std::size_t(a)] = 1, seeds << QPoint(x, y);
        }
    }
    return seeds;
}

// The page's areas survive the shrink onto the smallest canvas, one for one,
// and no fill there runs from one into another.
QString canvasProblem(const QImage& page, const QList<QPoint>& seeds)
{
    const QImage canvas = platform::stretchKeepingDark(page, kSmallestCanvas);
    const int onCanvas = countAreas(toGrey(canvas)), onThePage = countAreas(toGrey(page));
    if (onCanvas != onThePage)
        return QString("%1 areas on the page, %2 on the canvas").arg(onThePage).arg(onCanvas);
    const QString leak = fillLeak(canvas, scaledSeeds(seeds, kPageSize, kSmallestCanvas));
    return leak.isEmpty() ? QString() : "on the canvas: " + leak;
}

PictureFile saved(const QTemporaryDir& dir, const QString& name, const QImage& picture)
{
    const QString path = dir.filePath(name);
    if (!picture.save(path, nullptr, 90))
        return {};
    return readPictureFile(path);
}

} // namespace

class ImportDrawingsTest : public QObject {
    Q_OBJECT
private slots:
    void lineArtBecomesAreas_data();
    void lineArtBecomesAreas();
    void photographedPageIsCutOutAndStraightened();
    void photographedColourPageIsNoPhotograph();
    void photographsAndPaintingsAreRefusedUnlessForced_data();
    void photographsAndPaintingsAreRefusedUnlessForced();
    void edgeLinesCloseOnlyTheStretchesLinesRunOffAt();
    void picturesBeyondTheLimitsAreShrunkWhileDecoding();

private:
    QTemporaryDir dir_;
};

void ImportDrawingsTest::lineArtBecomesAreas_data()
{
    QTest::addColumn<std::function<Drawing()>>("draw");
    QTest::newRow("pale and dark fills") << std::function<Drawing()>(sampledrawings::paleAndDarkFills);
    QTest::newRow("black silhouettes") << std::function<Drawing()>(sampledrawings::blackSilhouettes);
    QTest::newRow("flat cartoon") << std::function<Drawing()>(sampledrawings::flatCartoon);
    QTest::newRow("hatching") << std::function<Drawing()>(sampledrawings::hatching);
    QTest::newRow("stipple") << std::function<Drawing()>(sampledrawings::stipple);
    QTest::newRow("map") << std::function<Drawing()>(sampledrawings::map);
}

void ImportDrawingsTest::lineArtBecomesAreas()
{
    QFETCH(std::function<Drawing()>, draw);
    const Drawing drawing = draw();
    const Page page = makePage(saved(dir_, QString(QTest::currentDataTag()) + ".png", drawing.picture));
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    // One area for each seed; every seed on white, so every fill can be coloured.
    QCOMPARE(page.cleaning.areas, int(drawing.seeds.size()));
    const QList<QPoint> seeds = seedsOnPage(drawing.seeds, drawing.picture.size());
    const QString leak = fillLeak(page.image, seeds);
    QVERIFY2(leak.isEmpty(), qPrintable(leak));
    const QString canvas = canvasProblem(page.image, seeds);
    QVERIFY2(canvas.isEmpty(), qPrintable(canvas));
    QVERIFY2(page.blackShare <= kMostBlack, qPrintable(QString::number(page.blackShare)));
    QVERIFY(page.toneShare < kPhotoToneShare);
}

void ImportDrawingsTest::photographedPageIsCutOutAndStraightened()
{
    const Drawing photo = sampledrawings::photographedPage(2);
    const QString path = dir_.filePath("photo.jpg");
    QVERIFY(photo.picture.save(path, nullptr, 85));
    const Page page = makePage(readPictureFile(path));
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QVERIFY(page.sheetCut);
    QVERIFY2(std::abs(page.tilt - 2) < 0.3, qPrintable(QString::number(page.tilt)));
    // The frame, the circle, the triangle, the house's two rooms and the paper
    // round the frame: no table, no shadow.
    QCOMPARE(page.cleaning.areas, 6);
    const QString canvas = canvasProblem(page.image, areaSeeds(page.image));
    QVERIFY2(canvas.isEmpty(), qPrintable(canvas));
    QVERIFY2(page.blackShare <= kMostBlack, qPrintable(QString::number(page.blackShare)));
    // The frame's top line runs level: its first ink from the top is the same
    // row a third and two thirds of the way across.
    const QImage grey = toGrey(page.image);
    auto topInk = [&](int x) {
        int y = kPageSize.height() / 20;
        while (y < grey.height() && grey.constScanLine(y)[x] != lineart::kInk)
            ++y;
        return y;
    };
    const int left = topInk(kPageSize.width() / 3), right = topInk(2 * kPageSize.width() / 3);
    // Two pixels of the page as it is cleaned.
    const int level = 2 * kPageSize.width() / kCleaningSize.width();
    QVERIFY2(std::abs(left - right) <= level, qPrintable(QString("%1 and %2").arg(left).arg(right)));
}

void ImportDrawingsTest::photographedColourPageIsNoPhotograph()
{
    // Noise over the flat colours of a printed cartoon is no continuous tone.
    const Drawing cartoon = sampledrawings::flatCartoon();
    const PictureFile file = saved(dir_, "cartoon-photo.jpg", sampledrawings::photographed(cartoon, -1.5).picture);
    const Page page = makePage(file);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QVERIFY(page.sheetCut);
    QCOMPARE(page.cleaning.areas, int(cartoon.seeds.size()));
    const QString canvas = canvasProblem(page.image, areaSeeds(page.image));
    QVERIFY2(canvas.isEmpty(), qPrintable(canvas));
    QVERIFY2(page.blackShare <= kMostBlack, qPrintable(QString::number(page.blackShare)));
}

void ImportDrawingsTest::photographsAndPaintingsAreRefusedUnlessForced_data()
{
    QTest::addColumn<std::function<Drawing()>>("draw");
    QTest::newRow("colour photo") << std::function<Drawing()>(sampledrawings::colourPhoto);
    QTest::newRow("painted scene") << std::function<Drawing()>(sampledrawings::paintedScene);
}

void ImportDrawingsTest::photographsAndPaintingsAreRefusedUnlessForced()
{
    QFETCH(std::function<Drawing()>, draw);
    const PictureFile file = saved(dir_, QString(QTest::currentDataTag()) + ".jpg", draw().picture);
    QVERIFY(file.ok());
    const Page refused = makePage(file);
    QVERIFY2(refused.error.startsWith("looks like a photograph or a painting"), qPrintable(refused.error));
    QVERIFY(refused.error.contains("--force"));
    QVERIFY(refused.image.isNull());
    const Page forced = makePage(file, kDefaultGap, Photos::Accept);
    QVERIFY2(forced.error.isEmpty(), qPrintable(forced.error));
    QCOMPARE(forced.image.size(), kPageSize);
}

void ImportDrawingsTest::edgeLinesCloseOnlyTheStretchesLinesRunOffAt()
{
    // A tall picture, so the page leaves margins left and right: a body, and
    // an arm whose two lines run off the left edge.
    Drawing body{QImage(700, 1000, QImage::Format_RGB32), {{350, 500}, {60, 500}, {600, 100}}};
    body.picture.fill(Qt::white);
    QPainter p(&body.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 5));
    p.drawEllipse(QPointF(350, 500), 200, 200);
    p.drawLine(QPointF(-10, 440), QPointF(160, 440));
    p.drawLine(QPointF(-10, 560), QPointF(160, 560));
    p.end();
    const Page page = makePage(saved(dir_, "arm.png", body.picture));
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QVERIFY(page.edgesClosed);
    const QRect where = placement(body.picture.size(), kPageSize);
    QVERIFY(where.left() > 0);
    const QList<QPoint> seeds = seedsOnPage(body.seeds, body.picture.size())
                                << QPoint(where.left() / 2, kPageSize.height() / 2); // the margin
    // The arm is closed off the margin; the background stays open to it.
    QCOMPARE(page.cleaning.areas, 3);
    QVERIFY2(fillLeak(page.image, seeds.mid(0, 3)).isEmpty(), qPrintable(fillLeak(page.image, seeds.mid(0, 3))));
    QVERIFY(!fillLeak(page.image, QList<QPoint>{seeds[2], seeds[3]}).isEmpty());
    // Ink along the left edge only across the arm; none along the right edge.
    const QImage grey = toGrey(page.image);
    int leftInk = 0, rightInk = 0;
    for (int y = 0; y < grey.height(); ++y) {
        leftInk += grey.constScanLine(y)[where.left()] == lineart::kInk;
        rightInk += grey.constScanLine(y)[where.right()] == lineart::kInk;
    }
    const int arm = seedsOnPage({{0, 560}}, body.picture.size())[0].y() - seedsOnPage({{0, 440}}, body.picture.size())[0].y();
    // Twelve pixels of the page as it is cleaned.
    const int slack = 12 * kPageSize.width() / kCleaningSize.width();
    QVERIFY2(leftInk >= arm && leftInk <= arm + slack, qPrintable(QString("%1 against %2").arg(leftInk).arg(arm)));
    QCOMPARE(rightInk, 0);
}

void ImportDrawingsTest::picturesBeyondTheLimitsAreShrunkWhileDecoding()
{
    // Wider than the widest side the reader decodes: read at half its size.
    QImage wide(17000, 1200, QImage::Format_RGB32);
    wide.fill(Qt::white);
    QPainter(&wide).fillRect(QRect(1000, 200, 15000, 800), Qt::black);
    QPainter(&wide).fillRect(QRect(1040, 240, 14920, 720), Qt::white);
    const QString path = dir_.filePath("wide.jpg");
    QVERIFY(wide.save(path, nullptr, 90));
    const PictureFile file = readPictureFile(path);
    QVERIFY2(file.ok(), qPrintable(file.error));
    QCOMPARE(file.size, QSize(8500, 600));
    const Page page = makePage(file);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QCOMPARE(page.cleaning.areas, 2);
}

QTEST_MAIN(ImportDrawingsTest)
#include "test_import_drawings.moc"
