// Where a page stands on the canvas: at one scale for both directions, the
// largest that fits, centred, with plain paper round it and a black line
// along its edge; and where the page stands in a coloured copy.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace canvas {

// The largest rectangle of `page`'s proportions inside `canvas`, centred
// (the odd pixel of the margin goes right or down). Empty for an empty size.
QRect fittedPageRect(QSize page, QSize canvas);

// The edge line's width in pixels of an image of `pixelRatio` device pixels a
// screen pixel: one screen pixel, at least one device pixel.
int edgeLineWidth(qreal pixelRatio);

// Where the page stands in `copy`, a coloured copy of a page whose drawing is
// `drawing` in size: the fitted rectangle when the copy holds the black line
// the fit draws along the page's edge, otherwise the whole copy (a drawing,
// a copy of a canvas of the page's own proportions, or a copy made by an
// earlier version that stretched the page over the whole canvas). A line a
// child coloured over, or drew or painted across, still counts: each line
// needs more than half of its pixels in one colour, and a line of another
// colour than black must be at most 3 pixels wide, the paper beyond it being
// different.
QRect pageInCopy(const QImage& copy, QSize drawing);

// Puts the part `from` of `picture` onto `canvas` (Format_RGB32) at `page`:
// shrunk keeping dark pixels, or enlarged, when the sizes differ; the rest
// of the canvas becomes white paper, and a black line `lineWidth` pixels
// wide runs along each side of `page` that faces paper, so that no fill
// crosses between page and margin. `page` lies inside the canvas.
void layPage(QImage& canvas, const QImage& picture, const QRect& from, const QRect& page, int lineWidth);

// Puts `picture`, the page as loaded (its drawing, or a coloured copy of it,
// the drawing being `drawing` in size), onto `canvas` (Format_RGB32): a copy
// of the canvas's own size whose page stands where the canvas puts it is
// taken whole, the colouring of its margin included; anything else has its
// page laid onto the fitted page rectangle.
void fitPicture(QImage& canvas, const QImage& picture, QSize drawing, int lineWidth);

} // namespace canvas
