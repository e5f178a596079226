// Putting the loaded page on the canvas: fitted into the frame (FitDrawing)
// or at its natural size (Command7).
#include "shell/main_window.h"

#include "canvas/page_placement.h"
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
    const QImage& picture = Picture8->Picture();
    if (picture.isNull())
        return; // nothing to paint: the canvas keeps what it shows
    Picture1->setAutoRedraw(true);
    // The screen may have changed its pixel ratio since the canvas was sized.
    Picture1->matchImageToBox();
    const QSize drawing = heldDrawingSize_.isValid() ? heldDrawingSize_ : picture.size();
    canvas::fitPicture(Picture1->persistentImage(), picture, drawing,
                       canvas::edgeLineWidth(Picture1->pixelRatio()));
    Picture1->imageChanged();
    Picture1->setAutoRedraw(false);
    Picture1->setTop(centredOffset(Picture5->Height(), Picture1->Height()));
    Picture1->setLeft(centredOffset(Picture5->Width(), Picture1->Width()));
}

void Form1::Command7_Click()
{
    // The page at its real size: one pixel of the page a pixel of the screen.
    Picture1->setPicture(Picture8->Picture());
    Picture1->setTop(centredOffset(Picture5->Height(), Picture1->Height()));
    Picture1->setLeft(centredOffset(Picture5->Width(), Picture1->Width()));
}
