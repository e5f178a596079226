// Putting the page on the canvas: fitted into the frame at its own
// proportions on the screens children use, and at its natural size.
#include "canvas/page_placement.h"
#include "platform/flood_fill.h"
#include "shell/main_window.h"
#include "tests/support/design_placement.h"
#include "tests/support/test_folder.h"

#include <QPainter>
#include <QtTest>

using testsupport::TestFolder;

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kRed = 0xFFFF0000u;
// The book's page size, and a ring on it: 900 pixels to the middle of a 12-pixel line.
const QSize kPage(3004, 2078);
constexpr int kRingRadius = 900;
constexpr int kRingLine = 12;

QImage ringPage()
{
    QImage page(kPage, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setPen(QPen(Qt::black, kRingLine));
    p.drawEllipse(QPointF(kPage.width() / 2.0, kPage.height() / 2.0), kRingRadius, kRingRadius);
    return page;
}

// The main window's canvas frame placed as on a screen of `screen` pixels.
void frameAsOn(Form1& form, QSize screen)
{
    const layout::TwipRect frame = testsupport::placementOn(screen).picture5;
    form.Picture5->Move(frame.left, frame.top, frame.width, frame.height);
}

} // namespace

class FitDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void canvasFillsTheFrameLessItsMargin();
    void circlesStayRound_data();
    void circlesStayRound();
    void pressesKeepPageAndMarginApart_data();
    void pressesKeepPageAndMarginApart();
    void thinClosedOutlinesSurviveTheShrink();
    void pageAsLoadedIsCentredAtNaturalSize();

private:
    TestFolder ringBook_;
};

void FitDrawingTest::initTestCase() { ringBook_.addSet("animales.gif", {ringPage()}); }

void FitDrawingTest::canvasFillsTheFrameLessItsMargin()
{
    TestFolder folder;
    folder.addSet("animales.gif", {testsupport::outlinedPage({300, 200}, {{20, 20, 100, 80}})});
    Form1 form(folder.path());
    form.Picture5->Move(1405, 25, 12490, 10445);
    form.FitDrawing();
    QCOMPARE(form.Picture1->Width(), 12370.0);
    QCOMPARE(form.Picture1->Height(), 10325.0);
    QCOMPARE(form.Picture1->Left(), 60.0);
    QCOMPARE(form.Picture1->Top(), 60.0);
    // The persistent image is the canvas's inner size and holds only the
    // page's two colours.
    const QImage canvas = form.Picture1->Image();
    QCOMPARE(canvas.size(), QSize(825 - 2, 688 - 2));
    const qint64 black = testsupport::countColour(canvas, qRgb(0, 0, 0));
    const qint64 white = testsupport::countColour(canvas, qRgb(255, 255, 255));
    QVERIFY(black > 0);
    QCOMPARE(black + white, qint64(canvas.width()) * canvas.height());
}

void FitDrawingTest::circlesStayRound_data()
{
    QTest::addColumn<QSize>("screen");
    for (const QSize s : {QSize(800, 600), QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080), QSize(3840, 2160)})
        QTest::addRow("%dx%d", s.width(), s.height()) << s;
}

// The ring's inside, filled, is as wide as it is high, and as large as the
// page's scale on that canvas makes it.
void FitDrawingTest::circlesStayRound()
{
    QFETCH(QSize, screen);
    Form1 form(ringBook_.path());
    frameAsOn(form, screen);
    form.FitDrawing();
    QImage canvas = form.Picture1->Image();
    QCOMPARE(canvas.size(), testsupport::canvasOn(screen));
    const QRect disc = platform::floodFillBorder(canvas, QPoint(canvas.width() / 2, canvas.height() / 2), kBlack, kRed);
    QVERIFY2(std::abs(disc.width() - disc.height()) <= 1, qPrintable(QString("%1 x %2").arg(disc.width()).arg(disc.height())));
    const double scale = double(canvas::fittedPageRect(kPage, canvas.size()).height()) / kPage.height();
    QVERIFY(std::abs(disc.width() - 2 * (kRingRadius - kRingLine / 2) * scale) <= 3);
}

void FitDrawingTest::pressesKeepPageAndMarginApart_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("toBorder");
    for (const bool toBorder : {true, false}) {
        const char* rule = toBorder ? "border rule" : "surface rule";
        QTest::addRow("1024x768, %s", rule) << QSize(1024, 768) << toBorder;
        QTest::addRow("1920x1080, %s", rule) << QSize(1920, 1080) << toBorder;
    }
}

// A press on the margin colours the margin only; one on the page's area round
// the ring, which touches every side of the page, colours nothing beyond it.
void FitDrawingTest::pressesKeepPageAndMarginApart()
{
    QFETCH(QSize, screen);
    QFETCH(bool, toBorder);
    Form1 form(ringBook_.path());
    frameAsOn(form, screen);
    form.FitDrawing();
    form.FillToBorder = toBorder;
    const QImage before = form.Picture1->Image();
    const QRect page = canvas::fittedPageRect(kPage, before.size());
    form.Picture1_MouseDown(1, 0, 0, 0);
    const QImage margin = form.Picture1->Image();
    QCOMPARE(margin.copy(page), before.copy(page));
    QCOMPARE(margin.pixel(0, 0), kRed);
    form.Picture1_MouseDown(1, 0, float(page.left() + 4), float(page.top() + 4));
    const QImage both = form.Picture1->Image();
    QCOMPARE(both.pixel(page.topLeft() + QPoint(4, 4)), kRed);
    QCOMPARE(both.pixel(page.bottomRight() - QPoint(4, 4)), kRed);
    for (const QPoint outside : {QPoint(page.left() - 1, page.top()), QPoint(page.left(), page.top() - 1)}) {
        if (before.valid(outside))
            QCOMPARE(both.pixel(outside), kBlack);
    }
    QCOMPARE(both.copy(0, 0, both.width(), page.top()), margin.copy(0, 0, both.width(), page.top()));
    QCOMPARE(both.copy(0, 0, page.left(), both.height()), margin.copy(0, 0, page.left(), both.height()));
}

void FitDrawingTest::thinClosedOutlinesSurviveTheShrink()
{
    // Rectangles and a diagonal diamond of 1-pixel lines, shrunk by 2.3.
    QImage page = testsupport::outlinedPage({1150, 920}, {{10, 10, 300, 200}, {400, 300, 7, 7}});
    for (int i = 0; i <= 200; ++i) { // an 8-connected diamond around (700, 600)
        for (const QPoint p : {QPoint(700 + i, 400 + i), QPoint(900 - i, 600 + i), QPoint(700 - i, 800 - i),
                               QPoint(500 + i, 600 - i)})
            page.setPixel(p, qRgb(0, 0, 0));
    }
    TestFolder folder;
    folder.addSet("animales.gif", {page});
    Form1 form(folder.path());
    form.Picture5->Move(0, 0, (500 + 2) * 15 + 120, (400 + 2) * 15 + 120);
    form.FitDrawing();
    QImage canvas = form.Picture1->Image();
    QCOMPARE(canvas.size(), QSize(500, 400));
    const QRgb fill = qRgb(0, 0, 255);
    for (const QPoint inside : {QPoint(60, 40), QPoint(304, 261)}) {
        QImage copy = canvas;
        const QRect painted = platform::floodFillBorder(copy, inside, qRgb(0, 0, 0), fill);
        QVERIFY2(!painted.isEmpty(), "nothing painted inside the outline");
        QVERIFY2(painted.width() < 200 && painted.height() < 200, "the fill leaked out of its outline");
        QCOMPARE(copy.pixel(499, 399), qRgb(255, 255, 255));
    }
}

void FitDrawingTest::pageAsLoadedIsCentredAtNaturalSize()
{
    TestFolder folder;
    folder.addSet("animales.gif", {testsupport::outlinedPage({100, 60}, {{10, 10, 30, 20}}),
                                   testsupport::outlinedPage({2000, 1500}, {{10, 10, 30, 20}})});
    Form1 form(folder.path());
    form.Picture5->Move(1405, 25, 12490, 10445);
    form.Command7_Click();
    QCOMPARE(form.Picture1->Image().size(), QSize(100, 60));
    QCOMPARE(form.Picture1->Width(), (100 + 2) * 15.0);
    QCOMPARE(form.Picture1->Left(), double((12490 - 1530) / 2));
    QCOMPARE(form.Picture1->Top(), double((10445 - 930) / 2));

    form.Picture8->setPicture(QImage(folder.file("dibujos/animales/2.gif")).convertToFormat(QImage::Format_RGB32));
    form.Command7_Click();
    QCOMPARE(form.Picture1->Image().size(), QSize(2000, 1500));
    QVERIFY(form.Picture1->Left() < 0);
    QVERIFY(form.Picture1->Top() < 0);
    QCOMPARE(form.Picture1->Left(), double((12490 - 2002 * 15) / 2));
}

QTEST_MAIN(FitDrawingTest)
#include "test_fit_drawing.moc"
