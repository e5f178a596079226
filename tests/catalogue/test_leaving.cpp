// The door button on Form1: it saves the page on view only when it was
// painted, asks the program to end, and leaves no window on screen; the page
// it saved comes back coloured at the next start.
#include "shell/main_window.h"
#include "tests/catalogue/book_folder.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using testsupport::TestFolder;

namespace {

const QColor kPaint(250, 220, 0);

void fourPageBook(const TestFolder& folder)
{
    booktest::addSet(folder, "animales.gif", Qt::cyan, {Qt::red, Qt::green, Qt::blue, Qt::gray});
    booktest::keepCopies(folder);
}

QStringList copies(const TestFolder& folder)
{
    return QDir(folder.file("dibujos/animales")).entryList({"*.bmp", "*.BMP"}, QDir::Files);
}

} // namespace

class LeavingTest : public QObject {
    Q_OBJECT
private slots:
    void doorWithoutPaintingWritesNothing_data();
    void doorWithoutPaintingWritesNothing();
    void doorKeepsThePaintedPageForTheNextStart();
    void doorAfterMovingBackKeepsThePageOnView();
};

void LeavingTest::doorWithoutPaintingWritesNothing_data()
{
    QTest::addColumn<bool>("paintThenNextPage");
    QTest::newRow("right after start-up") << false;
    QTest::newRow("after painting and the next page") << true;
}

void LeavingTest::doorWithoutPaintingWritesNothing()
{
    QFETCH(bool, paintThenNextPage);
    TestFolder folder;
    fourPageBook(folder);
    Form1 form(folder.path());
    form.show();
    if (paintThenNextPage) {
        booktest::paint(form, kPaint);
        form.Command4_Click();
        QVERIFY(QFile::remove(folder.file("dibujos/animales/1.bmp")));
    }
    QSignalSpy quit(&form, &Form1::quitRequested);
    form.Command2_Click();
    QCOMPARE(quit.count(), 1);
    QVERIFY(copies(folder).isEmpty());
    QVERIFY(!form.isVisible());
}

void LeavingTest::doorKeepsThePaintedPageForTheNextStart()
{
    TestFolder folder;
    fourPageBook(folder);
    QImage painted;
    {
        Form1 form(folder.path());
        form.Command4_Click();
        form.Command4_Click();
        booktest::paint(form, kPaint);
        painted = form.Picture1->Image();
        QSignalSpy quit(&form, &Form1::quitRequested);
        form.Command2_Click();
        QCOMPARE(quit.count(), 1);
    }
    QCOMPARE(copies(folder), QStringList{"3.bmp"});
    QCOMPARE(booktest::readCopy(folder, "dibujos/animales/3.bmp"), painted);

    Form1 nextRun(folder.path());
    QCOMPARE(booktest::canvasCentre(nextRun), QColor(Qt::red).rgb());
    nextRun.Command4_Click();
    nextRun.Command4_Click();
    QCOMPARE(nextRun.Picture1->Image(), painted);
}

void LeavingTest::doorAfterMovingBackKeepsThePageOnView()
{
    TestFolder folder;
    fourPageBook(folder);
    Form1 form(folder.path());
    form.Command4_Click();
    booktest::paint(form, kPaint);
    form.Command3_Click();
    const QImage pageOne = form.Picture1->Image();
    form.Command2_Click();
    QCOMPARE(copies(folder), (QStringList{"1.bmp", "2.bmp"}));
    QCOMPARE(booktest::readCopy(folder, "dibujos/animales/1.bmp"), pageOne);
}

QTEST_MAIN(LeavingTest)
#include "test_leaving.moc"
