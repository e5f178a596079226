// Moving through the book on program folders built by the test: pages wrap
// both ways, sets wrap and bring their logo, page count and palette; a set
// without a first page and a gap in the numbering.
#include "shell/main_window.h"
#include "tests/catalogue/book_folder.h"

#include <QtTest>

using booktest::canvasCentre;
using testsupport::TestFolder;

namespace {

const QColor kRed(200, 30, 30);
const QColor kGreen(30, 160, 60);
const QColor kBlue(40, 60, 210);
const QColor kOrange(240, 150, 20);
const QColor kPurple(130, 40, 160);

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void pagesWrapBothWays();
    void setWithoutFirstPageHasNoPages();
    void pageAfterAGapIsNeverShown();
    void setButtonWrapsToTheFirstSet();
    void setButtonSwitchesThePalette();
};

void NavigationTest::pagesWrapBothWays()
{
    TestFolder folder;
    booktest::addSet(folder, "animales.gif", Qt::cyan, {kRed, kGreen, kBlue});
    Form1 form(folder.path());
    QCOMPARE(form.PageCount, 3);
    QCOMPARE(canvasCentre(form), kRed.rgb());

    const QList<std::pair<int, QColor>> forward{{2, kGreen}, {3, kBlue}, {1, kRed}};
    for (const auto& [page, colour] : forward) {
        form.Command4_Click();
        QCOMPARE(form.PageNumber, page);
        QCOMPARE(canvasCentre(form), colour.rgb());
    }
    const QList<std::pair<int, QColor>> backward{{3, kBlue}, {2, kGreen}, {1, kRed}, {3, kBlue}};
    for (const auto& [page, colour] : backward) {
        form.Command3_Click();
        QCOMPARE(form.PageNumber, page);
        QCOMPARE(canvasCentre(form), colour.rgb());
    }
    QCOMPARE(form.SetIndex, 0);
    QCOMPARE(form.PageCount, 3);
}

void NavigationTest::setWithoutFirstPageHasNoPages()
{
    TestFolder folder;
    booktest::addSet(folder, "a.gif", Qt::cyan, {kRed, kGreen});
    booktest::addSet(folder, "b.gif", Qt::yellow, {});
    folder.writeImage("dibujos/b/2.gif", booktest::flatPage(kBlue));
    Form1 form(folder.path());
    form.Command5_Click();
    QCOMPARE(form.SetIndex, 1);
    QCOMPARE(form.PageCount, 0);
    QCOMPARE(form.PageNumber, 1);
    QCOMPARE(canvasCentre(form), kRed.rgb()); // the last picture loaded stays

    form.Command4_Click();
    QCOMPARE(form.PageNumber, 1);
    form.Command3_Click();
    QCOMPARE(form.PageNumber, 0);
    form.Command3_Click();
    QCOMPARE(form.PageNumber, 0);
    QCOMPARE(canvasCentre(form), kRed.rgb());

    form.Command5_Click();
    QCOMPARE(form.SetIndex, 0);
    QCOMPARE(form.PageNumber, 1);
    QCOMPARE(form.PageCount, 2);
}

void NavigationTest::pageAfterAGapIsNeverShown()
{
    TestFolder folder;
    booktest::addSet(folder, "animales.gif", Qt::cyan, {kRed, kGreen});
    folder.writeImage("dibujos/animales/4.gif", booktest::flatPage(kPurple));
    Form1 form(folder.path());
    QCOMPARE(form.PageCount, 2);
    for (int press = 0; press < 5; ++press) {
        form.Command4_Click();
        QVERIFY(form.PageNumber == 1 || form.PageNumber == 2);
        QVERIFY(canvasCentre(form) != kPurple.rgb());
    }
    for (int press = 0; press < 5; ++press) {
        form.Command3_Click();
        QVERIFY(form.PageNumber == 1 || form.PageNumber == 2);
        QVERIFY(canvasCentre(form) != kPurple.rgb());
    }
}

void NavigationTest::setButtonWrapsToTheFirstSet()
{
    TestFolder folder;
    booktest::addSet(folder, "animales.gif", Qt::cyan, {kRed, kGreen, kBlue});
    booktest::addSet(folder, "barcos.gif", Qt::magenta, {kOrange, kPurple});
    Form1 form(folder.path());
    form.Command4_Click();
    form.Command4_Click();
    QCOMPARE(form.PageNumber, 3);

    form.Command5_Click();
    QCOMPARE(form.SetIndex, 1);
    QCOMPARE(form.PageNumber, 1);
    QCOMPARE(form.PageCount, 2);
    QCOMPARE(canvasCentre(form), kOrange.rgb());
    QCOMPARE(form.Command5->face().pixel(5, 5), QColor(Qt::magenta).rgb());

    form.Command4_Click();
    QCOMPARE(canvasCentre(form), kPurple.rgb());
    form.Command5_Click();
    QCOMPARE(form.SetIndex, 0);
    QCOMPARE(form.PageNumber, 1);
    QCOMPARE(form.PageCount, 3);
    QCOMPARE(canvasCentre(form), kRed.rgb());
    QCOMPARE(form.Command5->face().pixel(5, 5), QColor(Qt::cyan).rgb());
}

void NavigationTest::setButtonSwitchesThePalette()
{
    TestFolder folder;
    booktest::addSet(folder, "animales.gif", Qt::cyan, {kRed});
    booktest::addSet(folder, "pequenos.gif", Qt::magenta, {kGreen});
    Form1 form(folder.path());
    QCOMPARE(form.FillToBorder, false);
    QCOMPARE(form.Command5->BackColor(), platform::ColourValue(0x0000FFFF));
    form.Command5_Click();
    QCOMPARE(form.FillToBorder, true);
    QCOMPARE(form.Command5->BackColor(), platform::ColourValue(0x0000FF00));
    form.Command5_Click();
    QCOMPARE(form.FillToBorder, false);
    QCOMPARE(form.Command5->BackColor(), platform::ColourValue(0x0000FFFF));
}

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
