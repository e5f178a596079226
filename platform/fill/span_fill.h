// Span flood fills on QImage: the two rules of the Windows call ExtFloodFill,
// without its colour values. Both are 4-connected and work on 32-bit images
// (Format_RGB32 or ARGB32*); pixels are compared on their RGB part only.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <vector>

namespace platform {

// One horizontal run of painted pixels: x0..x1 inclusive on row y.
struct Span {
    int y;
    int x0;
    int x1;
};

// Border rule: paints `fill` outward from `start` over every pixel that is not
// exactly `border`, stopping at `border` pixels. Nothing happens when `start`
// is outside the image or has the border colour.
// Surface rule: paints `fill` over the pixels connected to `start` that are
// exactly `surface`. Nothing happens when `start` is outside the image, is not
// `surface`, or when `surface` equals `fill`.
// Both return the bounding rectangle of the painted pixels (empty when none)
// and, when `painted` is given, append every painted run to it.
QRect floodFillBorder(QImage& image, QPoint start, QRgb border, QRgb fill,
                      std::vector<Span>* painted = nullptr);
QRect floodFillSurface(QImage& image, QPoint start, QRgb surface, QRgb fill,
                       std::vector<Span>* painted = nullptr);

} // namespace platform
