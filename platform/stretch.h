// Resampling a picture into a rectangle.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace platform {

// Stretches `source` to exactly `size` (aspect not kept) for putting a page on
// the canvas. Along an axis that shrinks, each target pixel takes the darkest
// source pixel of the block it covers (blocks of neighbouring target pixels
// touch or overlap, so an outline closed by 8-connected dark pixels stays
// closed); along an axis that grows, nearest neighbour. No colour that is not
// in the source appears. Returns Format_RGB32; a null image for an empty
// source or size.
QImage stretchKeepingDark(const QImage& source, QSize size);
// The same, written into the rectangle `to` of `target` (Format_RGB32), which
// `to` lies inside; nothing happens for an empty source or rectangle.
void stretchKeepingDarkInto(const QImage& source, QImage& target, const QRect& to);

// Shrinks the grey picture `grey` (Format_Grayscale8) to `size`, no larger
// along either axis: each target pixel is the darkest of the block it
// covers, as in stretchKeepingDark, but the blocks tile the source (target
// pixel i covers source pixels ceil(i*s/t) .. ceil((i+1)*s/t) - 1): each
// dark pixel darkens one target pixel, never two, so a line measured at the
// smaller size does not grow wider where a block edge falls on it. Returns
// Format_Grayscale8; a null image for an empty picture or size.
QImage shrinkKeepingDarkTiled(const QImage& grey, QSize size);

// The source pixels (first..last along one axis of `source` pixels) that
// target pixel `i` of `target` takes its value from in stretchKeepingDark,
// and in shrinkKeepingDarkTiled (`target` no larger than `source`).
struct SourceSpan {
    int first;
    int last;
};
SourceSpan keepingDarkSpan(int i, int source, int target);
SourceSpan tiledSpan(int i, int source, int target);

// The stretch modes of the Windows call SetStretchBltMode.
enum class StretchMode {
    BlackOnWhite = 1, // shrinking keeps dark pixels (AND of the dropped ones)
    WhiteOnBlack = 2, // shrinking keeps light pixels (OR of the dropped ones)
    ColorOnColor = 3, // shrinking drops pixels (nearest neighbour)
    Halftone = 4,     // shrinking averages the covered block
};

// StretchBlt of the whole of `source` into an image of `size` with `mode`.
// Growing is nearest neighbour in every mode. Returns Format_RGB32.
QImage stretchBlt(const QImage& source, QSize size, StretchMode mode);

} // namespace platform
