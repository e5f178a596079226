// The colour/mask pair a pointer is built from, and the routines that fill it.
#pragma once

#include "graphics/module1.h"
#include "platform/colour.h"
#include "platform/stretch.h"

#include <QImage>
#include <QSize>

namespace graphics {

// A pointer picture under construction, in the cursor convention: where the
// mask bit is 1 and the colour pixel black the pointer is transparent; where
// the mask bit is 0 the colour pixel is shown.
struct CursorPair {
    QImage colour; // Format_RGB32
    QImage mask;   // Format_Mono, colour table {black, white}: index 1 is mask bit 1

    bool isNull() const { return colour.isNull() || mask.isNull(); }
    QSize size() const { return colour.size(); }
};

// A pair of `size` with undefined contents; a null pair for an empty size or
// when the images cannot be allocated.
CursorPair makeCursorPair(QSize size);

// The mask bit at (x, y) of a Format_Mono image.
bool maskBit(const QImage& mask, int x, int y);

// The stretch mode of a SetStretchBltMode value: its low byte, with anything
// but the four known modes giving BlackOnWhite, the default of a fresh DC.
platform::StretchMode stretchModeFromValue(int value);

// Makes the pair fully transparent: mask all 1, colour all black. A null pair
// is left alone, as are the other routines below.
void FillBlankImage(CursorPair& pair);
// The metafile case: the same blank pair as FillBlankImage.
void FillBlankMetafile(CursorPair& pair);

// Stretches the bitmap `picture` into the pair with `stretchMode`. With a
// transparent colour (not platform::kInvalidColour; system colours are
// translated) the pixels that have exactly that colour after scaling become
// transparent; without one the whole pair is opaque.
void DrawPictureMasked(const Picture& picture, CursorPair& pair,
                       platform::ColourValue transparentColour, int stretchMode);

// Draws the icon `picture` into the pair, scaled to the pair's size (nearest
// neighbour) with its own mask: a pixel is transparent where its alpha is
// below one half.
void DrawIconImage(const Picture& picture, CursorPair& pair);

// The Format_ARGB32 pointer image of a pair: 0 (transparent black) where the
// mask bit is 1, the opaque colour pixel elsewhere; a screen-inverting pixel,
// which no routine here makes, counts as transparent. Null for a null pair.
QImage iconImageFromPair(const CursorPair& pair);

// Wraps `image` as a picture of `type` with hot spot (0, 0); a picture of
// type None for a null image.
Picture PictureFromHandle(const QImage& image, Picture::Type type);

} // namespace graphics
