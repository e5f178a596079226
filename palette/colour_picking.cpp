// Colour picking: the palette strip, the shade swatches and the pen-size box.
#include "shell/main_window.h"

#include "palette/shades.h"
#include "platform/sound.h"

namespace {

constexpr int kWidestPen = 40;

// Widths step by two; past the widest they start again at 1, so only odd
// widths follow the first wrap.
int nextPenWidth(int width)
{
    const int next = width + 2;
    return next > kWidestPen ? 1 : next;
}

} // namespace

void Form1::Picture6_MouseDown(int, int, float X, float Y)
{
    // A press on the strip's border has no colour under it and picks nothing.
    const platform::ColourValue picked = Picture6->Point(X, Y);
    if (picked == platform::kInvalidColour)
        return;
    setCurrentColour(palette::paletteChoice(picked));
    UpdateShadeSwatches();
    Picture1->setAutoRedraw(true);
    Picture1->setAutoRedraw(false);
    DrawIndicatorDot();
    platform::playSoundAsync(ProgramPath("/sonidos/sonido4.wav"));
    UpdateColourCursor();
    UseColour = true;
}

void Form1::Picture2_MouseDown(int Index, int, int, float X, float Y)
{
    Q_ASSERT(Index >= 0 && Index < palette::kSwatchCount);
    const platform::ColourValue picked = Picture2[Index]->Point(X, Y);
    if (picked == platform::kInvalidColour)
        return;
    setCurrentColour(picked);
    Picture1->setAutoRedraw(true);
    Picture1->setAutoRedraw(false);
    // The dot shows the swatch as it looks, before black is replaced.
    DrawIndicatorDot();
    platform::playSoundAsync(ProgramPath("/sonidos/sonido4.wav"));
    setCurrentColour(palette::swatchChoice(CurrentColour(), FillToBorder));
    UpdateColourCursor();
    UseColour = true;
}

void Form1::Picture4_Click()
{
    PenWidth = static_cast<std::uint8_t>(nextPenWidth(PenWidth));
    if (PenWidth == 1)
        Picture4->Refresh();
    Picture1->setDrawWidth(PenWidth);
    Picture4->setDrawWidth(PenWidth);
    DrawIndicatorDot();
    Picture4->setAutoRedraw(false);
}

void Form1::UpdateShadeSwatches()
{
    const auto ramp = palette::shadeRamp(CurrentRed, CurrentGreen, CurrentBlue);
    for (int i = 0; i < palette::kSwatchCount; ++i)
        Picture2[i]->setBackColor(ramp[i]);
}

void Form1::DrawIndicatorDot()
{
    Picture4->setAutoRedraw(false);
    Picture4->PSet(Picture4->Width() / 2 - 20, Picture4->Height() / 2 - 20, CurrentColour());
}

void Form1::setCurrentColour(platform::ColourValue colour)
{
    CurrentRed = platform::redOf(colour);
    CurrentGreen = platform::greenOf(colour);
    CurrentBlue = platform::blueOf(colour);
}
