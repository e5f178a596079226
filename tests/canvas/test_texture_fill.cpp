// The texture fill on the main window's canvas: coverage, tiling, undo, pointer.
#include "tests/canvas/texture_art.h"
#include "tests/support/textures_book.h"

using namespace textureart;
using namespace texturebook;
using testsupport::TestFolder;

namespace {

const QSize kTextureSize(400, 300);

// Records the canvas pointer's shape at every change.
class PointerLog : public QObject {
public:
    QList<Qt::CursorShape> shapes;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::CursorChange)
            shapes << static_cast<QWidget*>(watched)->cursor().shape();
        return false;
    }
};

} // namespace

class TestTextureFill : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        folder_ = std::make_unique<TestFolder>();
        makeBook(*folder_, {{"madera.bmp", numberedTexture(kTextureSize)}});
        form_ = std::make_unique<Form1>(folder_->path());
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QTest::mouseClick(form_->Picture7, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!form_->UseColour);
        QVERIFY(form_->Picture1->Image().width() >= 240 && form_->Picture1->Image().height() >= 100);
    }
    void cleanup()
    {
        form_.reset();
        folder_.reset();
    }

    void aCircleIsTexturedCompletely()
    {
        const QImage page = putArt(circlePage(QSize(64, 48), QPoint(30, 24), 18), QPoint(13, 7));
        fillAt(QPoint(43, 31));
        fillAt(QPoint(200, 0)); // the outside, row 0 included
        checkTiled(page, unionOf(areaAt(page, QPoint(43, 31)), areaAt(page, QPoint(200, 0))));
    }

    void windingAreasAreTexturedCompletely()
    {
        const QImage spiral = putArt(spiralPage(), QPoint(3, 9));
        fillAt(QPoint(8, 14));
        checkTiled(spiral, areaAt(spiral, QPoint(8, 14)));
        const QImage curl = putArt(curlPage(), QPoint(21, 2));
        fillAt(QPoint(25, 32));
        checkTiled(curl, areaAt(curl, QPoint(25, 32)));
    }

    void neighbouringAreasLineUpSeamlessly()
    {
        QImage art = blankPage(QSize(80, 60), kWhite);
        QPainter painter(&art);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, 79, 59);
        painter.drawLine(37, 0, 37, 59);
        painter.end();
        const QImage page = putArt(art, QPoint(90, 11));
        fillAt(QPoint(100, 30));
        fillAt(QPoint(150, 50));
        checkTiled(page, unionOf(areaAt(page, QPoint(100, 30)), areaAt(page, QPoint(150, 50))));
    }

    void aPressOnTheLineArtTexturesTheConnectedLines()
    {
        const QImage page = putArt(circlePage(QSize(64, 48), QPoint(30, 24), 18), QPoint(13, 7));
        fillAt(QPoint(13 + 30 + 18, 7 + 24));
        checkTiled(page, areaAt(page, QPoint(13 + 30 + 18, 7 + 24)));
    }

    void eachFillIsOneUndoStep()
    {
        const QImage page = putArt(circlePage(QSize(64, 48), QPoint(30, 24), 18), QPoint(13, 7));
        fillAt(QPoint(43, 31));
        const QImage once = form_->Picture1->Image();
        fillAt(QPoint(200, 0));
        QVERIFY(form_->DrawingModified);
        form_->Command6_Click();
        QCOMPARE(form_->Picture1->Image(), once);
        form_->Command6_Click();
        QCOMPARE(form_->Picture1->Image(), page);
    }

    void thePointerIsAnHourglassWhileTheFillRuns()
    {
        putArt(circlePage(QSize(64, 48), QPoint(30, 24), 18), QPoint(13, 7));
        PointerLog log;
        form_->Picture1->installEventFilter(&log);
        fillAt(QPoint(43, 31));
        form_->Picture1->removeEventFilter(&log);
        QCOMPARE(log.shapes, QList<Qt::CursorShape>({Qt::WaitCursor, Qt::BitmapCursor}));
        QCOMPARE(form_->Picture1->MousePointer(), PictureBox::Pointer::Custom);
    }

    void aPressOnTheCanvasLaysTheTexture()
    {
        const QImage page = putArt(circlePage(QSize(64, 48), QPoint(30, 24), 18), QPoint(13, 7));
        QTest::mouseClick(form_->Picture1, Qt::RightButton, {}, QPoint(44, 32)); // canvas (43, 31)
        checkTiled(page, areaAt(page, QPoint(43, 31)));
    }

    // The small palette hides the texture box but leaves texture painting on.
    void theSmallPaletteAfterATextureStillTextures()
    {
        form_->SetIndex = 1;
        form_->SwitchPalette();
        QVERIFY(!form_->Picture7->isVisibleTo(form_.get()));
        QVERIFY(!form_->UseColour);
        const QImage page = putArt(circlePage(QSize(64, 48), QPoint(30, 24), 18), QPoint(13, 7));
        QTest::mouseClick(form_->Picture1, Qt::LeftButton, {}, QPoint(44, 32));
        checkTiled(page, areaAt(page, QPoint(43, 31)));
    }

private:
    // Puts `art` at `at` on a white canvas and returns the canvas as it now is.
    QImage putArt(const QImage& art, QPoint at)
    {
        QImage& canvas = form_->Picture1->persistentImage();
        canvas.fill(kWhite);
        QPainter(&canvas).drawImage(at, art);
        form_->Picture1->Refresh();
        return canvas.copy();
    }

    // A texture fill as the canvas press handler runs it.
    void fillAt(QPoint p)
    {
        form_->Picture1->setAutoRedraw(true);
        form_->TextureFill(float(p.x()), float(p.y()));
        form_->Picture1->setAutoRedraw(false);
    }

    // The texel for canvas pixel (x, y) is the box's pixel (x mod P, y mod Q),
    // P x Q the box's outer size: here always a pixel of the large texture.
    void checkTiled(const QImage& before, const std::vector<bool>& area)
    {
        const QImage tile = numberedTexture(kTextureSize).copy(QRect(QPoint(0, 0), form_->Picture7->size()));
        const QString error = tilingError(form_->Picture1->Image(), before, area, tile);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    std::unique_ptr<TestFolder> folder_;
    std::unique_ptr<Form1> form_;
};

QTEST_MAIN(TestTextureFill)
#include "test_texture_fill.moc"
