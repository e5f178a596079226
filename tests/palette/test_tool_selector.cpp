// The three tool icons, the animation over the active one and the pen-size box.
#include "resources/gif_writer.h"
#include "tests/support/colouring_form.h"

using testsupport::ColouringForm;

namespace {

QImage whitePage()
{
    QImage page(60, 40, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

const QStringList kFiles{"/gifs/pato.gif", "/gifs/lapiz.gif", "/gifs/recta.gif"};

void verifyActive(const ColouringForm& f, int tool)
{
    const Form1& form = *f.form;
    QCOMPARE(form.CurrentTool, std::int16_t(tool));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(form.Image2[i]->isHidden(), i == tool);
    QCOMPARE(form.Picture4->isHidden(), tool == 0);
    QVERIFY(!form.Trivolen1->isHidden());
    QCOMPARE(form.Trivolen1->file(), f.folder.path() + kFiles[tool]);
    QCOMPARE(form.Trivolen1->Left(), form.Image2[tool]->Left());
    QCOMPARE(form.Trivolen1->Top(), form.Image2[tool]->Top());
    QCOMPARE(form.Trivolen1->pos(), form.Image2[tool]->pos());
}

} // namespace

class ToolSelectorTest : public QObject {
    Q_OBJECT
private slots:
    void theIconsAreLoaded();
    void clickingAnIconChoosesItsTool();
    void aMissingIconStaysEmptyAndStillWorks();
    void largeAnimationsAreDrawnInsideTheirPlace();
};

void ToolSelectorTest::theIconsAreLoaded()
{
    ColouringForm f("animales.gif", whitePage());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(f.form->Image2[i]->picture().image.size(), testsupport::toolIconSizes()[i]);
    QVERIFY(f.form->Image2[0]->isHidden());
    QVERIFY(f.form->Picture4->isHidden());
}

void ToolSelectorTest::clickingAnIconChoosesItsTool()
{
    ColouringForm f("animales.gif", whitePage());
    f.showAndWait();
    for (const int tool : {1, 2, 0, 2, 1, 0}) {
        f.form->UseColour = false;
        f.form->TextureStepping = true;
        QTest::mouseClick(f.form->Image2[tool], Qt::LeftButton);
        verifyActive(f, tool);
        QVERIFY(f.form->UseColour);
        QVERIFY(!f.form->TextureStepping);
        QCOMPARE(f.form->Trivolen1->size(), testsupport::toolIconSizes()[tool]);
    }
}

void ToolSelectorTest::aMissingIconStaysEmptyAndStillWorks()
{
    testsupport::TestFolder folder;
    testsupport::addColouringBasics(folder);
    folder.addSet("animales.gif", {whitePage()});
    folder.remove("gifs/lapiz.gif");
    Form1 form(folder.path());
    QVERIFY(form.Image2[1]->picture().image.isNull());
    QCOMPARE(form.Image2[2]->picture().image.size(), testsupport::toolIconSizes()[2]);
    form.Image2_Click(1);
    QCOMPARE(form.CurrentTool, std::int16_t(1));
    QVERIFY(!form.Picture4->isHidden());
    QCOMPARE(form.Trivolen1->pos(), form.Image2[1]->pos());
}

// Frames larger than the icon they cover are scaled down into its place,
// keeping their shape: the magnifier, printer and texture box stay clear.
void ToolSelectorTest::largeAnimationsAreDrawnInsideTheirPlace()
{
    testsupport::TestFolder folder;
    testsupport::addColouringBasics(folder);
    folder.addSet("animales.gif", {whitePage()});
    std::vector<QImage> frames;
    for (const QColor colour : {Qt::red, Qt::green, Qt::blue}) {
        QImage frame(400, 300, QImage::Format_RGB32);
        frame.fill(colour);
        frames.push_back(frame);
    }
    for (const char* name : {"gifs/pato.gif", "gifs/lapiz.gif"})
        folder.writeText(name, resources::encodeAnimatedGif(frames, 5));
    Form1 form(folder.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto fitted = [](QSize place) { return QSize(400, 300).scaled(place, Qt::KeepAspectRatio); };
    QCOMPARE(form.Trivolen1->size(), fitted(form.Image2[0]->size()));
    form.Image2_Click(1);
    QCOMPARE(form.Trivolen1->size(), fitted(form.Image2[1]->size()));
    QVERIFY(form.Image2[1]->geometry().contains(form.Trivolen1->geometry()));
    for (const QWidget* neighbour : {static_cast<QWidget*>(form.Command7), static_cast<QWidget*>(form.Command8),
                                     static_cast<QWidget*>(form.Picture7), static_cast<QWidget*>(form.Picture4)})
        QVERIFY(!form.Trivolen1->geometry().intersects(neighbour->geometry()));
    // What shows is the animation, whole, scaled down.
    QVERIFY(form.Trivolen1->isPlaying());
    const QImage shown = form.Trivolen1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), form.Trivolen1->size());
    for (const QPoint at : {QPoint(0, 0), QPoint(shown.width() - 1, shown.height() - 1)})
        QVERIFY(QList<QRgb>({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}).contains(shown.pixel(at)));
}

QTEST_MAIN(ToolSelectorTest)
#include "test_tool_selector.moc"
