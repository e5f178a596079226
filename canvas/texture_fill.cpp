// The texture fill: a press on the canvas while a texture is chosen.
#include "shell/main_window.h"

#include "canvas/texture_tiling.h"

void Form1::TextureFill(float X, float Y)
{
    // The box's picture is sampled even while the box is hidden.
    const QImage tile = canvas::deviceTile(canvas::textureTile(Picture7->Picture(), Picture7->size(),
                                                               platform::toQRgb(Picture7->BackColor())),
                                           Picture1->pixelRatio());
    if (Picture7->Picture().isNull() || tile.isNull())
        return; // no texture loaded: nothing to lay
    Picture1->setMousePointer(PictureBox::Pointer::Hourglass);
    SaveSnapshot();
    Picture1->setFillSolid(true);
    Picture1->setFillColor(TextureMarkerColour);
    Picture1->setScaleMode(PictureBox::ScaleMode::Pixels);
    canvas::textureFillArea(Picture1->persistentImage(), Picture1->imagePixel(X, Y), tile,
                            platform::toQRgb(TextureMarkerColour));
    Picture1->Refresh();
    Picture1->setMousePointer(PictureBox::Pointer::Custom);
}
