// The texture box on the main window: selecting texture painting and stepping.
#include "tests/support/textures_book.h"

using namespace texturebook;
using testsupport::TestFolder;

namespace {

void press(Form1& form, Qt::MouseButton button)
{
    QTest::mouseClick(form.Picture7, button, {}, QPoint(5, 5));
}

QRgb shown(const Form1& form)
{
    return form.Picture7->Picture().isNull() ? 0 : form.Picture7->Picture().pixel(0, 0);
}

// Presses the box once with `button` for each expected texture and checks each.
void pressAndExpect(Form1& form, Qt::MouseButton button, const QList<QRgb>& expected)
{
    for (int i = 0; i < expected.size(); ++i) {
        press(form, button);
        QVERIFY2(shown(form) == expected[i], qPrintable(QStringLiteral("press %1").arg(i + 1)));
    }
}

} // namespace

class TestTextureChooser : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        folder_ = std::make_unique<TestFolder>();
        makeBook(*folder_, threeTextures());
        form_ = std::make_unique<Form1>(folder_->path());
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    void cleanup()
    {
        form_.reset();
        folder_.reset();
    }

    void leftPressesSelectThenStepForwards()
    {
        QCOMPARE(shown(*form_), kTextureA);
        pressAndExpect(*form_, Qt::LeftButton, {kTextureA, kTextureB, kTextureC, kTextureA, kTextureB});
        QCOMPARE(form_->TextureIndex, std::int16_t(1));
    }

    void rightPressesStepBackwardsThroughEveryTexture()
    {
        pressAndExpect(*form_, Qt::LeftButton, {kTextureA, kTextureB});
        pressAndExpect(*form_, Qt::RightButton, {kTextureA, kTextureC, kTextureB, kTextureA});
    }

    void theFirstPressAfterAPickOnlySelects()
    {
        pressAndExpect(*form_, Qt::LeftButton, {kTextureA, kTextureB});
        form_->UpdateColourCursor(); // the last step but one of every colour pick
        pressAndExpect(*form_, Qt::RightButton, {kTextureB, kTextureA});
        form_->Image2_Click(1);
        pressAndExpect(*form_, Qt::LeftButton, {kTextureA, kTextureB});
    }

    void otherButtonsSelectWithoutStepping()
    {
        pressAndExpect(*form_, Qt::MiddleButton, {kTextureA, kTextureA});
        QVERIFY(form_->TextureStepping);
        pressAndExpect(*form_, Qt::LeftButton, {kTextureB});
    }

    void aPressChoosesTexturePaintingAndShowsEveryToolIcon()
    {
        QVERIFY(form_->UseColour);
        QVERIFY(form_->Trivolen1->isVisibleTo(form_.get()));
        press(*form_, Qt::LeftButton);
        QVERIFY(!form_->UseColour);
        for (ImageControl* icon : form_->Image2)
            QVERIFY(icon->isVisibleTo(form_.get()));
        QVERIFY(!form_->Trivolen1->isVisibleTo(form_.get()));
        QCOMPARE(form_->CurrentTool, std::int16_t(0));
    }

    void anEmptyTextureFolderLoadsNothing()
    {
        form_.reset();
        TestFolder empty;
        makeBook(empty, {});
        Form1 form(empty.path());
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::RightButton}) {
            press(form, button);
            QCOMPARE(form.TextureIndex, std::int16_t(0));
            QVERIFY(form.Picture7->Picture().isNull());
        }
        const QImage before = form.Picture1->Image();
        form.Picture1->setAutoRedraw(true);
        form.TextureFill(50, 50);
        form.Picture1->setAutoRedraw(false);
        QCOMPARE(form.Picture1->Image(), before);
        QVERIFY(!form.DrawingModified);
    }

    void anUnreadableTextureKeepsThePreviousOneShowing()
    {
        form_.reset();
        TestFolder folder;
        makeBook(folder, threeTextures());
        folder.writeText("texturas/a2.bmp", "not a picture");
        Form1 form(folder.path());
        pressAndExpect(form, Qt::LeftButton, {kTextureA, kTextureA});
        QCOMPARE(form.TextureIndex, std::int16_t(1));
        pressAndExpect(form, Qt::LeftButton, {kTextureB});
    }

private:
    std::unique_ptr<TestFolder> folder_;
    std::unique_ptr<Form1> form_;
};

QTEST_MAIN(TestTextureChooser)
#include "test_texture_chooser.moc"
