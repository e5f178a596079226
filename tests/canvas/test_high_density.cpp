// The canvas on a screen of two device pixels a screen pixel (a desktop
// scaled to 200 %): its image at device size, presses on the device pixel
// under the pointer, pens and textures at their size on screen, and undo,
// clipboard and coloured copy at device size.
#include "canvas/page_placement.h"
#include "canvas/texture_tiling.h"
#include "platform/flood_fill.h"
#include "tests/support/colouring_form.h"
#include "tests/support/design_placement.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QtTest>

using testsupport::ColouringForm;
using testsupport::countColour;

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr double kRatio = 2.0;

// 202 x 100 device pixels, split by a black column at x = 101 into a left
// and a right area.
QImage splitPage()
{
    QImage page(202, 100, QImage::Format_RGB32);
    page.fill(kWhite);
    for (int y = 0; y < page.height(); ++y)
        page.setPixel(101, y, kBlack);
    return page;
}

// A press of the left button at (x, y) in the canvas's screen pixels, which
// may fall between two of them.
void pressAt(PictureBox* canvas, QPointF at)
{
    const QPointF local = at + QPointF(1, 1); // the canvas's border
    QMouseEvent press(QEvent::MouseButtonPress, local, canvas->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, canvas->mapToGlobal(local), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &release);
}

// Rows of column `x` of `colour`.
int runDown(const QImage& image, int x, QRgb colour)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        rows += image.pixel(x, y) == colour ? 1 : 0;
    return rows;
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pageIsFittedAtDeviceSizeAndRound();
    void pressFillsTheAreaUnderThePointer_data();
    void pressFillsTheAreaUnderThePointer();
    void pensKeepTheirSizeOnScreen();
    void textureTiledFromTheTopLeftAtScreenSize();
    void undoClipboardAndCopyKeepTheDeviceImage();
};

void HighDensityTest::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), kRatio);
}

// A 3840 x 2160 screen at 200 %: the canvas of a 1920 x 1080 layout, each of
// its pixels two device pixels wide and high.
void HighDensityTest::pageIsFittedAtDeviceSizeAndRound()
{
    const QSize page(3004, 2078);
    QImage ring(page, QImage::Format_RGB32);
    ring.fill(kWhite);
    {
        QPainter p(&ring);
        p.setPen(QPen(Qt::black, 12));
        p.drawEllipse(QPointF(page.width() / 2.0, page.height() / 2.0), 900, 900);
    }
    testsupport::TestFolder folder;
    folder.addSet("animales.gif", {ring});
    Form1 form(folder.path());
    const layout::TwipRect frame = testsupport::placementOn({1920, 1080}).picture5;
    form.Picture5->Move(frame.left, frame.top, frame.width, frame.height);
    form.FitDrawing();
    QImage canvas = form.Picture1->Image();
    QCOMPARE(canvas.devicePixelRatio(), kRatio);
    QCOMPARE(canvas.size(), testsupport::canvasOn({1920, 1080}) * 2);
    QCOMPARE(canvas.deviceIndependentSize().toSize(), testsupport::canvasOn({1920, 1080}));
    const QRect disc = platform::floodFillBorder(canvas, QPoint(canvas.width() / 2, canvas.height() / 2), kBlack, kRed);
    QVERIFY2(std::abs(disc.width() - disc.height()) <= 1, qPrintable(QString("%1 x %2").arg(disc.width()).arg(disc.height())));
    // The edge line is one screen pixel: two device pixels.
    const QRect placed = canvas::fittedPageRect(page, canvas.size());
    QCOMPARE(canvas.pixel(placed.left() - 1, 10), kBlack);
    QCOMPARE(canvas.pixel(placed.left() - 2, 10), kBlack);
    QCOMPARE(canvas.pixel(placed.left() - 3, 10), kWhite);
}

void HighDensityTest::pressFillsTheAreaUnderThePointer_data()
{
    QTest::addColumn<bool>("toBorder");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("filled");
    for (const bool toBorder : {true, false}) {
        const char* rule = toBorder ? "border" : "surface";
        QTest::addRow("%s, device pixel 100", rule) << toBorder << 50.0 << "left";
        QTest::addRow("%s, device pixel 102", rule) << toBorder << 51.0 << "right";
    }
    QTest::addRow("border, on the line") << true << 50.5 << "none";
    QTest::addRow("surface, on the line") << false << 50.5 << "line";
}

// The line between the areas is one device pixel, half a screen pixel: a
// press a screen pixel to either side fills that side's area, one on the line
// itself finds the line.
void HighDensityTest::pressFillsTheAreaUnderThePointer()
{
    QFETCH(bool, toBorder);
    QFETCH(double, x);
    QFETCH(QString, filled);
    const ColouringForm w(toBorder ? "pequenos.gif" : "animales.gif", splitPage());
    QCOMPARE(w.image().size(), QSize(202, 100));
    w.form->FillToBorder = toBorder;
    pressAt(w.canvas(), {x, 30});
    const QImage after = w.image();
    QCOMPARE(after.pixel(50, 50) == kRed, filled == "left");
    QCOMPARE(after.pixel(150, 50) == kRed, filled == "right");
    QCOMPARE(after.pixel(101, 50) == kRed, filled == "line");
}

void HighDensityTest::pensKeepTheirSizeOnScreen()
{
    QImage blank(400, 200, QImage::Format_RGB32);
    blank.fill(kWhite);
    const ColouringForm w("animales.gif", blank);
    w.form->CurrentTool = 1; // the pencil
    for (const int width : {1, 3}) {
        w.canvas()->setDrawWidth(width);
        const int y = 20 + 20 * width;
        w.drag(QPoint(10 + 100 * (width / 2), y), {QPoint(60 + 100 * (width / 2), y)}, QPoint(60 + 100 * (width / 2), y));
        // A column of device pixels halfway along the stroke.
        const int x = 2 * (35 + 100 * (width / 2));
        QCOMPARE(runDown(w.image(), x, kRed), 2 * width);
        QCOMPARE(runDown(w.image(), x + 1, kRed), 2 * width);
    }
}

// Each texel covers a screen pixel, two by two device pixels, and the
// tiling starts at the canvas's top-left corner.
void HighDensityTest::textureTiledFromTheTopLeftAtScreenSize()
{
    QImage blank(300, 240, QImage::Format_RGB32);
    blank.fill(kWhite);
    const ColouringForm w("animales.gif", blank);
    QImage texture(16, 12, QImage::Format_RGB32);
    for (int y = 0; y < texture.height(); ++y)
        for (int x = 0; x < texture.width(); ++x)
            texture.setPixel(x, y, qRgb(10 * x, 20 * y, 100));
    w.form->Picture7->setPicture(texture);
    w.form->UseColour = false;
    pressAt(w.canvas(), {70, 55});
    const QImage tile = canvas::textureTile(texture, w.form->Picture7->size(), platform::toQRgb(w.form->Picture7->BackColor()));
    const QImage after = w.image();
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const QRgb texel = tile.pixel((x / 2) % tile.width(), (y / 2) % tile.height());
            if (after.pixel(x, y) != texel)
                QFAIL(qPrintable(QString("device pixel (%1, %2) is not its texel").arg(x).arg(y)));
        }
    }
}

void HighDensityTest::undoClipboardAndCopyKeepTheDeviceImage()
{
    const ColouringForm w("animales.gif", splitPage());
    const QImage before = w.image();
    const double width = w.canvas()->Width();
    pressAt(w.canvas(), {20, 20});
    const QImage filled = w.image();
    QVERIFY(filled != before);

    w.form->Picture6_DblClick();
    const QImage clipboard = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(clipboard.size(), filled.size());
    QCOMPARE(countColour(clipboard, kRed), countColour(filled, kRed));

    w.form->SavePage();
    const QImage copy = QImage(w.folder.file("dibujos/animales/1.bmp")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copy.size(), filled.size());
    QImage shown = filled.convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1); // a file keeps the pixels, not the screen they were made on
    QCOMPARE(copy, shown);

    w.form->Command6_Click();
    QCOMPARE(w.image(), before);
    QCOMPARE(w.image().devicePixelRatio(), kRatio);
    QCOMPARE(w.canvas()->Width(), width);
}

int main(int argc, char* argv[])
{
    // A desktop scaled to 200 %, as QT_SCALE_FACTOR gives it on any platform.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_density.moc"
