// The Windows calls ExtFloodFill, GetPixel and SetPixelV on QImage, over the
// span fills of platform/fill.
#pragma once

#include "platform/colour.h"
#include "platform/fill/span_fill.h"

#include <QImage>

namespace platform {

enum class FloodFillType { Border = 0, Surface = 1 };

// ExtFloodFill(dc, x, y, colour, type) with the brush colour `brush`: the
// border rule with `colour` as the border, or the surface rule with `colour`
// as the surface. Returns false when nothing could be filled. `painted`, when
// given, receives the rectangle of the pixels painted (empty when none changed),
// so that only those need showing again.
bool ExtFloodFill(QImage& image, int x, int y, ColourValue colour, FloodFillType type,
                  ColourValue brush, QRect* painted = nullptr);

// The colour at (x, y), or kInvalidColour outside the image.
ColourValue GetPixel(const QImage& image, int x, int y);
// Sets one pixel; false outside the image.
bool SetPixelV(QImage& image, int x, int y, ColourValue colour);

} // namespace platform
