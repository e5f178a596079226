// The arrow pointer over the canvas in the current colour, from start-up on.
#include "tests/support/samples.h"
#include "tests/support/textures_book.h"

#include <QSet>

using namespace texturebook;
using testsupport::TestFolder;

namespace {

const QRgb kOpaqueBlack = qRgba(0, 0, 0, 255);

// The pointer the canvas has, and the one Image4 keeps, are the same 32 x 32
// arrow with its hot spot at the tip; returns its image.
QImage canvasPointer(const Form1& form)
{
    const graphics::Picture& kept = form.Image4->picture();
    const QCursor cursor = form.Picture1->cursor();
    if (kept.type != graphics::Picture::Type::Icon || kept.image.size() != QSize(32, 32)
        || kept.hotSpot != QPoint(0, 0) || form.Picture1->MousePointer() != PictureBox::Pointer::Custom
        || cursor.shape() != Qt::BitmapCursor || cursor.hotSpot() != QPoint(0, 0))
        return {};
    const QImage shown = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    return shown == kept.image ? shown : QImage();
}

} // namespace

class TestColouredCursor : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        folder_ = std::make_unique<TestFolder>();
        makeBook(*folder_, threeTextures());
        form_ = std::make_unique<Form1>(folder_->path());
    }
    void cleanup()
    {
        form_.reset();
        folder_.reset();
    }

    void startUpInstallsTheRedArrow()
    {
        const QImage pointer = canvasPointer(*form_);
        QVERIFY(!pointer.isNull());
        QCOMPARE(pointer.pixel(31, 31), 0u);
        QVERIFY(testsupport::coloursOf(pointer).contains(qRgba(255, 0, 0, 255)));
        QVERIFY(testsupport::coloursOf(pointer).contains(kOpaqueBlack));
    }

    void aPickedColourFillsTheInsideOfABlackOutline()
    {
        pick(10, 200, 30);
        const QImage pointer = canvasPointer(*form_);
        QVERIFY(!pointer.isNull());
        // Only the inside colour, the outline and transparency: white-on-black
        // shrinking never mixes colours.
        QCOMPARE(testsupport::coloursOf(pointer), QSet<QRgb>({0u, kOpaqueBlack, qRgba(10, 200, 30, 255)}));
        QCOMPARE(pointer.pixel(6, 6), qRgba(10, 200, 30, 255));
        QCOMPARE(pointer.pixel(31, 0), 0u);
        QCOMPARE(pointer.pixel(0, 31), 0u);
        QVERIFY(!form_->TextureStepping);
    }

    void blackThenBlueGivesABlueInside()
    {
        pick(0, 0, 0);
        QVERIFY(!testsupport::coloursOf(canvasPointer(*form_)).contains(qRgba(255, 0, 0, 255)));
        QCOMPARE(canvasPointer(*form_).pixel(6, 6), kOpaqueBlack);
        pick(0, 0, 255);
        const QImage pointer = canvasPointer(*form_);
        QCOMPARE(pointer.pixel(6, 6), qRgba(0, 0, 255, 255));
        QCOMPARE(testsupport::coloursOf(pointer), QSet<QRgb>({0u, kOpaqueBlack, qRgba(0, 0, 255, 255)}));
    }

    void everyPickKeepsTheSameShape()
    {
        pick(10, 200, 30);
        const QImage first = canvasPointer(*form_);
        pick(250, 250, 5);
        const QImage second = canvasPointer(*form_);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(qAlpha(second.pixel(x, y)), qAlpha(first.pixel(x, y)));
    }

    void aPressOnThePaletteRecoloursThePointer()
    {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QTest::mouseClick(form_->Picture6, Qt::LeftButton, {}, QPoint(20, 150));
        QCOMPARE(canvasPointer(*form_).pixel(6, 6), qRgba(10, 200, 30, 255));
    }

private:
    void pick(int red, int green, int blue)
    {
        form_->CurrentRed = red;
        form_->CurrentGreen = green;
        form_->CurrentBlue = blue;
        form_->UpdateColourCursor();
    }

    std::unique_ptr<TestFolder> folder_;
    std::unique_ptr<Form1> form_;
};

QTEST_MAIN(TestColouredCursor)
#include "test_coloured_cursor.moc"
