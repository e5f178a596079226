// Putting the loaded page on the canvas: stretched to the frame (FitDrawing)
// or at its natural size (Command7).
#include "shell/main_window.h"

#include "platform/units.h"

namespace {

// Offset that centres a length inside another: the difference rounded
// (halves to even), then halved with truncation toward zero.
int centredOffset(double outer, double inner) { return platform::roundHalfEven(outer - inner) / 2; }

} // namespace

void Form1::FitDrawing()
{
    Picture1->setWidth(Picture5->Width() - 120);
    Picture1->setHeight(Picture5->Height() - 120);
    if (Picture8->Picture().isNull())
        return; // nothing to paint: the canvas keeps what it shows
    Picture1->setAutoRedraw(true);
    Picture1->PaintPicture(Picture8->Picture(), 0, 0, Picture1->ScaleWidth(), Picture1->ScaleHeight());
    Picture1->setAutoRedraw(false);
    Picture1->setTop(centredOffset(Picture5->Height(), Picture1->Height()));
    Picture1->setLeft(centredOffset(Picture5->Width(), Picture1->Width()));
}

void Form1::Command7_Click()
{
    Picture1->setPicture(Picture8->Picture());
    Picture1->setTop(centredOffset(Picture5->Height(), Picture1->Height()));
    Picture1->setLeft(centredOffset(Picture5->Width(), Picture1->Width()));
}
