// The three tool icons, the animation over the active one and the pen-size box.
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

QTEST_MAIN(ToolSelectorTest)
#include "test_tool_selector.moc"
