// The small or large palette for the current set, switched by the set's name.
#include "tests/support/colouring_form.h"

using testsupport::ColouringForm;

namespace {

constexpr platform::ColourValue kGreen = 0x0000FF00;
constexpr platform::ColourValue kYellow = 0x0000FFFF;

QImage whitePage()
{
    QImage page(60, 40, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

void verifySmall(const Form1& form, bool small)
{
    QCOMPARE(form.FillToBorder, small);
    QCOMPARE(form.Command5->BackColor(), small ? kGreen : kYellow);
    QCOMPARE(form.Picture7->isHidden(), small);
    const QList<QRgb> colours = small ? testsupport::smallPaletteColours() : testsupport::largePaletteColours();
    QCOMPARE(form.Picture6->Image(), testsupport::paletteStrip(colours, small ? 40 : 60));
}

} // namespace

class PaletteSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void setsSwitchBetweenTheTwoPalettes();
    void theNameTestIsCaseSensitiveAndIgnoresTheExtension();
    void aSetWithoutAUsableNameGetsTheSmallPalette();
    void aMissingPaletteKeepsThePreviousPicture();
};

void PaletteSwitchTest::setsSwitchBetweenTheTwoPalettes()
{
    ColouringForm f("pequenos.gif", whitePage());
    f.folder.addSet("animales.gif", {whitePage()});
    f.form->File1.setPath(f.folder.file("logos"));
    verifySmall(*f.form, true);
    f.setColour(qRgb(10, 20, 30));
    const auto swatch = f.form->Picture2[9]->BackColor();
    const QImage canvas = f.image();
    for (const int set : {0, 1, 0}) {
        f.form->SetIndex = std::int16_t(set);
        f.form->SwitchPalette();
        verifySmall(*f.form, set == 1);
    }
    QCOMPARE(f.colour(), qRgb(10, 20, 30));
    QCOMPARE(f.form->Picture2[9]->BackColor(), swatch);
    QCOMPARE(f.image(), canvas);
}

void PaletteSwitchTest::theNameTestIsCaseSensitiveAndIgnoresTheExtension()
{
    for (const auto& [logo, small] : {std::pair{"Pequenos.gif", false}, std::pair{"mis_peque.gif", true},
                                      std::pair{"grande.peque", false}}) {
        // Only the logo's name matters here; the set needs no pages.
        testsupport::TestFolder folder;
        testsupport::addColouringBasics(folder);
        testsupport::writeBmp(folder, QString("logos/") + logo, whitePage());
        Form1 form(folder.path());
        verifySmall(form, small);
    }
}

void PaletteSwitchTest::aSetWithoutAUsableNameGetsTheSmallPalette()
{
    ColouringForm f("animales.gif", whitePage());
    verifySmall(*f.form, false);
    f.form->SetIndex = 5; // no such entry
    f.form->SwitchPalette();
    verifySmall(*f.form, true);
    testsupport::writeBmp(f.folder, "logos/abc", whitePage());
    f.form->File1.setPath(f.folder.file("logos"));
    f.form->SetIndex = 0; // "abc" sorts first and is too short to cut
    f.form->SwitchPalette();
    verifySmall(*f.form, true);
}

void PaletteSwitchTest::aMissingPaletteKeepsThePreviousPicture()
{
    ColouringForm f("pequenos.gif", whitePage());
    f.folder.addSet("animales.gif", {whitePage()});
    f.form->File1.setPath(f.folder.file("logos"));
    f.folder.remove("paletas/paletagrande.bmp");
    const QImage small = f.form->Picture6->Image();
    f.form->SetIndex = 0;
    f.form->SwitchPalette();
    QVERIFY(!f.form->FillToBorder);
    QCOMPARE(f.form->Command5->BackColor(), kYellow);
    QVERIFY(!f.form->Picture7->isHidden());
    QCOMPARE(f.form->Picture6->Image(), small);
}

QTEST_MAIN(PaletteSwitchTest)
#include "test_palette_switch.moc"
