// The arrow pointer over the canvas, painted in the current colour.
#include "shell/main_window.h"

#include "graphics/module1.h"
#include "palette/cursor_template.h"
#include "platform/flood_fill.h"
#include "platform/stretch.h"

namespace {

constexpr platform::ColourValue kWhite = 0x00FFFFFF;

} // namespace

void Form1::UpdateColourCursor()
{
    TextureStepping = false;
    Picture3->setFillColor(CurrentColour());
    // A fresh copy of the template each time: an inside painted black would
    // otherwise merge with the outline and keep every later colour out.
    Picture3->setPicture(Picture3->Picture());
    const QRect inside = platform::floodFillBorder(
        Picture3->persistentImage(), QPoint(palette::kCursorInsideX, palette::kCursorInsideY),
        qRgb(0, 0, 0), platform::toQRgb(Picture3->FillColor()));
    Picture3->imageChanged(inside);
    Image4->setPicture(graphics::MakeCursorPicture(
        graphics::Picture::bitmap(Picture3->Image()), 0, 0,
        static_cast<int>(platform::StretchMode::WhiteOnBlack), 0, kWhite));
    Picture1->setMouseIcon(graphics::cursorFromPicture(Image4->picture()));
    Picture1->setMousePointer(PictureBox::Pointer::Custom);
}
