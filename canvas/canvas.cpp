// Presses, moves and releases on the canvas: the colour fill, the pencil and
// the straight line.
#include "shell/main_window.h"

#include "platform/flood_fill.h"
#include "platform/units.h"

namespace {

enum Tool { FillTool = 0, PencilTool = 1, LineTool = 2 };
constexpr int kLeftButtonOnly = 1;

} // namespace

void Form1::Picture1_MouseDown(int, int, float X, float Y)
{
    // Every button presses alike; the press draws into the persistent image.
    Picture1->setAutoRedraw(true);
    if (!UseColour)
        TextureFill(X, Y);
    else if (CurrentTool == FillTool)
        ColourFill(X, Y);
    else if (CurrentTool == PencilTool)
        PencilPress(X, Y);
    else if (CurrentTool == LineTool)
        StraightLinePress(X, Y);
    Picture1->setAutoRedraw(false);
}

void Form1::Picture1_MouseMove(int Button, int, float X, float Y)
{
    if (Button != kLeftButtonOnly || !UseColour)
        return;
    if (CurrentTool == PencilTool) {
        Picture1->setAutoRedraw(true);
        lineFromAnchor(X, Y);
        setAnchor(X, Y);
        Picture1->setAutoRedraw(false);
    } else if (CurrentTool == LineTool) {
        // The rubber band: only the latest temporary line stays on screen.
        Picture1->Refresh();
        lineFromAnchor(X, Y);
    }
}

void Form1::Picture1_MouseUp(int Button, int, float X, float Y)
{
    if (Button != kLeftButtonOnly || !UseColour || CurrentTool != LineTool)
        return;
    Picture1->setAutoRedraw(true);
    lineFromAnchor(X, Y);
    Picture1->setAutoRedraw(false);
    // Showing the segment from the persistent image also takes the rubber band away.
    Picture1->Refresh();
}

void Form1::ColourFill(float X, float Y)
{
    Picture1->setFillColor(CurrentColour());
    SaveSnapshot();
    // The image pixel under the pointer: at high density, one of several
    // device pixels a screen pixel.
    const QPoint at = Picture1->imagePixel(X, Y);
    const int x = at.x();
    const int y = at.y();
    QImage& image = Picture1->persistentImage();
    QRect painted;
    if (FillToBorder)
        platform::ExtFloodFill(image, x, y, 0, platform::FloodFillType::Border, Picture1->FillColor(), &painted);
    else
        platform::ExtFloodFill(image, x, y, platform::GetPixel(image, x, y), platform::FloodFillType::Surface,
                               Picture1->FillColor(), &painted);
    // The canvas repaints what changed as soon as the press is handled; a
    // refused fill (a press on an outline) leaves nothing new to show.
    if (!painted.isEmpty())
        Picture1->imageChanged(painted);
}

void Form1::PencilPress(float X, float Y)
{
    SaveSnapshot();
    setAnchor(X, Y);
    lineFromAnchor(X, Y);
}

void Form1::StraightLinePress(float X, float Y)
{
    SaveSnapshot();
    setAnchor(X, Y);
}

void Form1::setAnchor(float X, float Y)
{
    LastX = X;
    LastY = platform::roundHalfEven(Y);
}

void Form1::lineFromAnchor(float X, float Y)
{
    Picture1->Line(LastX, LastY, X, Y, CurrentColour());
}
