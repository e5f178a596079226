// Coloured copies: which moves write a page's copy and which write nothing,
// copies named in another letter case, the eraser, the exact round trip, and
// that no page ever receives another page's picture (after an undo, after a
// failed load).
#include "canvas/page_placement.h"
#include "shell/main_window.h"
#include "tests/catalogue/book_folder.h"
#include "tests/support/samples.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using booktest::canvasCentre;
using booktest::readCopy;
using testsupport::TestFolder;

namespace {

const QColor kRed(200, 30, 30);
const QColor kGreen(30, 160, 60);
const QColor kBlue(40, 60, 210);
const QColor kOrange(240, 150, 20);
const QColor kPaint(250, 220, 0);

const QString kSet = "dibujos/animales/";

// A folder with the set "animales" of three pages (red, green, blue) whose
// copies survive restarts, and a second set "barcos" of one orange page.
void threePageBook(const TestFolder& folder)
{
    booktest::addSet(folder, "animales.gif", Qt::cyan, {kRed, kGreen, kBlue});
    booktest::addSet(folder, "barcos.gif", Qt::magenta, {kOrange});
    booktest::keepCopies(folder);
}

// Where FitDrawing puts the book's pages (booktest::flatPage) on the canvas.
QRect pageOnCanvas(const Form1& form)
{
    return canvas::fittedPageRect(booktest::flatPage(Qt::white).size(), form.Picture1->persistentImage().size());
}

// Every pixel of the page on the canvas set from a seeded generator: a copy
// that is off by one level or one pixel anywhere shows.
void paintNoise(Form1& form)
{
    form.SaveSnapshot();
    QImage& canvas = form.Picture1->persistentImage();
    const QRect page = pageOnCanvas(form);
    QRandomGenerator random(4242);
    for (int y = page.top(); y <= page.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        for (int x = page.left(); x <= page.right(); ++x)
            line[x] = 0xFF000000 | (random.generate() & 0xFFFFFF);
    }
    form.Picture1->imageChanged();
    form.DrawingModified = true;
}

} // namespace

class ColouredCopiesTest : public QObject {
    Q_OBJECT
private slots:
    void nextPageSavesThePaintedPageOnly();
    void previousPageKeepsSavingUntilTheNextPage();
    void setButtonSavesInTheSetItLeaves();
    void aPageOfItsOwnComesBackAsPainted();
    void copyComesBackPixelForPixel();
    void copyInAnotherLetterCaseCountsAsAbsent();
    void eraserThrowsTheColouringAway();
    void unreadableCopyShowsTheUncolouredPage();
    void undoAfterMovingLeavesTheCanvas_data();
    void undoAfterMovingLeavesTheCanvas();
    void onlyMovesEmptyTheUndoRing();
    void missingPagePictureNeverReceivesAnotherPage();
    void setWithoutPagesNeverReceivesAPage();
};

void ColouredCopiesTest::nextPageSavesThePaintedPageOnly()
{
    TestFolder folder;
    threePageBook(folder);
    Form1 form(folder.path());
    form.Command4_Click();
    booktest::paint(form, kPaint);
    const QImage painted = form.Picture1->Image();

    form.Command4_Click();
    QCOMPARE(readCopy(folder, kSet + "2.bmp"), painted);
    QCOMPARE(form.PageNumber, 3);
    QCOMPARE(canvasCentre(form), kBlue.rgb());
    QCOMPARE(form.DrawingModified, false);

    form.Command4_Click();
    QVERIFY(!folder.exists(kSet + "3.bmp"));
    QVERIFY(!folder.exists(kSet + "1.bmp"));
}

void ColouredCopiesTest::previousPageKeepsSavingUntilTheNextPage()
{
    TestFolder folder;
    threePageBook(folder);
    Form1 form(folder.path());
    form.Command4_Click();
    booktest::paint(form, kPaint);
    const QImage painted = form.Picture1->Image();

    form.Command3_Click();
    QCOMPARE(readCopy(folder, kSet + "2.bmp"), painted);
    QCOMPARE(form.PageNumber, 1);
    QCOMPARE(canvasCentre(form), kRed.rgb());
    QCOMPARE(form.DrawingModified, true);
    const QImage pageOne = form.Picture1->Image();

    form.Command3_Click();
    QCOMPARE(readCopy(folder, kSet + "1.bmp"), pageOne);
    QCOMPARE(form.PageNumber, 3);
}

void ColouredCopiesTest::setButtonSavesInTheSetItLeaves()
{
    TestFolder folder;
    threePageBook(folder);
    Form1 form(folder.path());
    form.Command4_Click();
    booktest::paint(form, kPaint);
    const QImage painted = form.Picture1->Image();

    form.Command5_Click();
    QCOMPARE(readCopy(folder, kSet + "2.bmp"), painted);
    QVERIFY(!folder.exists("dibujos/barcos/1.bmp"));
    QVERIFY(!folder.exists("dibujos/barcos/2.bmp"));
    QCOMPARE(canvasCentre(form), kOrange.rgb());
}

// In a set of one page, the next and the previous page are the page itself:
// it comes back as it was painted, from the copy just saved.
void ColouredCopiesTest::aPageOfItsOwnComesBackAsPainted()
{
    TestFolder folder;
    threePageBook(folder);
    Form1 form(folder.path());
    form.Command5_Click();
    QCOMPARE(form.PageCount, 1);
    paintNoise(form);
    const QImage painted = form.Picture1->Image();
    form.Command4_Click();
    QCOMPARE(readCopy(folder, "dibujos/barcos/1.bmp"), painted);
    QCOMPARE(form.Picture1->Image(), painted);

    booktest::paint(form, kPaint);
    const QImage repainted = form.Picture1->Image();
    form.Command3_Click();
    QCOMPARE(readCopy(folder, "dibujos/barcos/1.bmp"), repainted);
    QCOMPARE(form.Picture1->Image(), repainted);
    QCOMPARE(QDir(folder.file("dibujos/barcos")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"1.bmp", "1.gif"}));
}

void ColouredCopiesTest::copyComesBackPixelForPixel()
{
    TestFolder folder;
    threePageBook(folder);
    {
        Form1 form(folder.path());
        paintNoise(form);
        const QImage painted = form.Picture1->Image();
        form.Command4_Click();
        const QImage copy = readCopy(folder, kSet + "1.bmp");
        QCOMPARE(copy, painted);
        form.Command3_Click();
        QCOMPARE(form.Picture1->Image(), painted);
    }
    QFile file(folder.file(kSet + "1.bmp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(int(header[28]), 24); // 24 bits a pixel: a plain Windows bitmap

    Form1 nextRun(folder.path());
    QCOMPARE(nextRun.Picture1->Image(), readCopy(folder, kSet + "1.bmp"));
}

void ColouredCopiesTest::copyInAnotherLetterCaseCountsAsAbsent()
{
    TestFolder folder;
    threePageBook(folder);
    folder.writeImage(kSet + "2.BMP", booktest::flatPage(kPaint));
    const QByteArray before = testsupport::fileBytesDigest(folder.file(kSet + "2.BMP"));
    Form1 form(folder.path());
    form.Command4_Click();
    QCOMPARE(canvasCentre(form), kGreen.rgb());
    form.Command1_Click();
    QCOMPARE(testsupport::fileBytesDigest(folder.file(kSet + "2.BMP")), before);
    QVERIFY(!folder.exists(kSet + "2.bmp"));
}

void ColouredCopiesTest::eraserThrowsTheColouringAway()
{
    TestFolder folder;
    threePageBook(folder);
    Form1 form(folder.path());
    form.Command4_Click();
    booktest::paint(form, kPaint);
    form.Command4_Click();
    form.Command3_Click();
    QVERIFY(testsupport::countColour(form.Picture1->Image(), kPaint.rgb()) > 0);

    form.Command1_Click();
    QVERIFY(!folder.exists(kSet + "2.bmp"));
    const QRect page = pageOnCanvas(form);
    QCOMPARE(testsupport::countColour(form.Picture1->Image(), kGreen.rgb()), qint64(page.width()) * page.height());
    QCOMPARE(form.PageNumber, 2);
    QCOMPARE(form.DrawingModified, false);
}

void ColouredCopiesTest::unreadableCopyShowsTheUncolouredPage()
{
    TestFolder folder;
    threePageBook(folder);
    folder.writeText(kSet + "2.bmp", "BM not a bitmap");
    Form1 form(folder.path());
    form.Command4_Click();
    QCOMPARE(form.PageNumber, 2);
    QCOMPARE(canvasCentre(form), kGreen.rgb());
}

void ColouredCopiesTest::undoAfterMovingLeavesTheCanvas_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("previous page") << 3;
    QTest::newRow("next page") << 4;
    QTest::newRow("next set") << 5;
}

void ColouredCopiesTest::undoAfterMovingLeavesTheCanvas()
{
    QFETCH(int, button);
    TestFolder folder;
    threePageBook(folder);
    Form1 form(folder.path());
    booktest::paint(form, kPaint);
    booktest::paint(form, kBlue);
    if (button == 3)
        form.Command3_Click();
    else if (button == 4)
        form.Command4_Click();
    else
        form.Command5_Click();
    const QImage shown = form.Picture1->Image();

    form.Command6_Click();
    QCOMPARE(form.Picture1->Image(), shown);
}

void ColouredCopiesTest::onlyMovesEmptyTheUndoRing()
{
    TestFolder folder;
    threePageBook(folder);
    Form1 form(folder.path());
    const QImage snapshot = booktest::flatPage(kPaint);
    auto fillRing = [&] {
        for (ImageControl* slot : form.Image1)
            slot->setPicture(snapshot);
        form.SnapshotIndex = 2;
    };
    auto ringIsFull = [&] {
        return std::all_of(form.Image1.begin(), form.Image1.end(),
                           [](ImageControl* slot) { return slot->picture().hasHandle(); });
    };
    fillRing();
    form.Command1_Click();
    form.Command7_Click();
    QVERIFY(ringIsFull());
    QCOMPARE(form.SnapshotIndex, 2);

    for (auto move : {&Form1::Command3_Click, &Form1::Command4_Click, &Form1::Command5_Click}) {
        fillRing();
        (form.*move)();
        QVERIFY(std::none_of(form.Image1.begin(), form.Image1.end(),
                             [](ImageControl* slot) { return slot->picture().hasHandle(); }));
        QCOMPARE(form.SnapshotIndex, 0);
    }
}

void ColouredCopiesTest::missingPagePictureNeverReceivesAnotherPage()
{
    TestFolder folder;
    threePageBook(folder);
    folder.writeText(kSet + "2.gif", "GIF89a broken");
    Form1 form(folder.path());
    booktest::paint(form, kPaint);
    const QImage pageOne = form.Picture1->Image();

    form.Command4_Click(); // page 2 cannot be read: page 1 comes back on view
    QCOMPARE(form.PageNumber, 2);
    QCOMPARE(canvasCentre(form), kRed.rgb());
    booktest::paint(form, kBlue);
    form.Command3_Click();
    QVERIFY(!folder.exists(kSet + "2.bmp"));
    QCOMPARE(readCopy(folder, kSet + "1.bmp"), pageOne);

    form.Command4_Click();
    booktest::paint(form, kOrange);
    form.Command4_Click();
    QVERIFY(!folder.exists(kSet + "2.bmp"));
    QCOMPARE(form.PageNumber, 3);
    QCOMPARE(canvasCentre(form), kBlue.rgb());
}

void ColouredCopiesTest::setWithoutPagesNeverReceivesAPage()
{
    TestFolder folder;
    threePageBook(folder);
    booktest::addSet(folder, "casas.gif", Qt::yellow, {});
    Form1 form(folder.path());
    form.Command5_Click();
    form.Command5_Click();
    QCOMPARE(form.PageCount, 0);
    booktest::paint(form, kPaint);
    form.Command3_Click();
    form.Command4_Click();
    form.Command5_Click();
    QVERIFY(QDir(folder.file("dibujos/casas")).entryList(QDir::Files).isEmpty());
    QCOMPARE(form.SetIndex, 0);
}

QTEST_MAIN(ColouredCopiesTest)
#include "test_coloured_copies.moc"
