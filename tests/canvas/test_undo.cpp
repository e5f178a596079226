// The undo ring: snapshots before changes, undo sequences, empty slots, the
// page-as-loaded button and clearing the ring for a new page.
#include "tests/canvas/canvas_fixture.h"

using namespace canvastest;

namespace {

const QString kLarge = "animales.gif";
const QList<QRgb> kColours{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF00FFFF};

// Fills box A once per colour (each fill recolours the previous one) and
// returns the canvas before each fill.
QList<QImage> fillInTurn(const Canvas& c, const QList<QRgb>& colours)
{
    QList<QImage> before;
    for (const QRgb colour : colours) {
        before.append(c.image());
        c.setColour(colour);
        c.click(kInA);
    }
    return before;
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void fiveFillsThenFiveUndos();
    void fillUndoFillUndo();
    void undoAfterThePageAsLoadedGivesTheSnapshotsSize();
    void undoIntoAnEmptySlotChangesNothing();
    void clearedRingUndoesNothing();
    void theUndoButtonUndoes();
};

void UndoTest::fiveFillsThenFiveUndos()
{
    Canvas c(kLarge);
    const QList<QImage> before = fillInTurn(c, kColours);
    QCOMPARE(c.form->SnapshotIndex, std::int16_t(1));
    for (const int fill : {5, 4, 3, 2, 5}) {
        c.form->Command6_Click();
        QCOMPARE(c.image(), before[fill - 1]);
    }
    QVERIFY(c.form->DrawingModified);
}

void UndoTest::fillUndoFillUndo()
{
    Canvas c(kLarge);
    const QImage start = c.image();
    c.click(kInA);
    c.form->Command6_Click();
    QCOMPARE(c.image(), start);
    QCOMPARE(c.form->SnapshotIndex, std::int16_t(0));
    c.setColour(kColours[2]);
    c.click(kInB);
    QCOMPARE(c.form->SnapshotIndex, std::int16_t(1));
    QCOMPARE(c.form->Image1[0]->picture().image, start);
    QCOMPARE(c.image().pixel(kInB), kColours[2]);
    c.form->Command6_Click();
    QCOMPARE(c.image(), start);
}

void UndoTest::undoAfterThePageAsLoadedGivesTheSnapshotsSize()
{
    Canvas c(kLarge);
    c.form->Picture5->Move(0, 0, (320 + 2) * 15 + 120, (200 + 2) * 15 + 120);
    c.form->FitDrawing();
    QCOMPARE(c.image().size(), QSize(320, 200));
    c.click(QPoint(50, 50));
    const QImage fitted = c.form->Image1[0]->picture().image;
    c.click(QPoint(150, 50));
    c.form->Command7_Click();
    QCOMPARE(c.image().size(), QSize(160, 100));
    c.form->Command6_Click();
    QCOMPARE(c.image().size(), QSize(320, 200));
    QCOMPARE(c.canvas()->Width(), (320 + 2) * 15.0);
    QCOMPARE(c.canvas()->Height(), (200 + 2) * 15.0);
    QCOMPARE(c.form->Image1[1]->picture().image, c.image());
    QVERIFY(c.image() != fitted);
}

void UndoTest::undoIntoAnEmptySlotChangesNothing()
{
    Canvas c(kLarge);
    const QImage start = c.image();
    const double width = c.canvas()->Width();
    c.form->Command6_Click();
    QCOMPARE(c.image(), start);
    QCOMPARE(c.canvas()->Width(), width);
    QCOMPARE(c.form->SnapshotIndex, std::int16_t(0));
    QVERIFY(!c.form->DrawingModified);

    // Two changes, three undos: the third finds slot 3 empty.
    const QList<QImage> before = fillInTurn(c, {kColours[0], kColours[1]});
    c.form->Command6_Click();
    c.form->Command6_Click();
    QCOMPARE(c.image(), before[0]);
    c.form->Command6_Click();
    QCOMPARE(c.image(), before[0]);
    QCOMPARE(c.form->SnapshotIndex, std::int16_t(0));
}

void UndoTest::clearedRingUndoesNothing()
{
    Canvas c(kLarge);
    fillInTurn(c, kColours);
    c.form->ClearSnapshots();
    QCOMPARE(c.form->SnapshotIndex, std::int16_t(0));
    const QImage filled = c.image();
    for (int i = 0; i < 4; ++i) {
        c.form->Command6_Click();
        QCOMPARE(c.image(), filled);
    }
    QCOMPARE(c.form->SnapshotIndex, std::int16_t(0));
}

void UndoTest::theUndoButtonUndoes()
{
    Canvas c(kLarge);
    c.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.form.get()));
    const QImage start = c.image();
    c.click(kInA);
    QTest::mouseClick(c.form->Command6, Qt::LeftButton);
    QCOMPARE(c.image(), start);
    QVERIFY(c.form->DrawingModified);
}

QTEST_MAIN(UndoTest)
#include "test_undo.moc"
