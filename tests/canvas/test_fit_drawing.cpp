// Putting the page on the canvas: the stretch into the frame and the page
// at its natural size.
#include "platform/flood_fill.h"
#include "shell/main_window.h"
#include "tests/support/test_folder.h"

#include <QtTest>

using testsupport::TestFolder;

class FitDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void canvasFillsTheFrameLessItsMargin();
    void thinClosedOutlinesSurviveTheShrink();
    void pageAsLoadedIsCentredAtNaturalSize();
};

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
