// Tiling a texture over one flooded area of the canvas.
#pragma once

#include "platform/flood_fill.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <vector>

namespace canvas {

// One period of the tiling as the texture box shows it, `period` being the
// box's outer size in pixels: `picture` at natural size from the top-left
// corner over the box's `background`. The picture also covers the period's
// last two columns and rows, where the box has its border, so the texture
// runs on without seams. Format_RGB32; null for an empty period.
QImage textureTile(const QImage& picture, QSize period, QRgb background);

// `tile` for an image of `pixelRatio` device pixels a screen pixel: each
// texel enlarged to cover as many device pixels as a screen pixel does, so
// that the texture looks the same size on every screen. A ratio of 1 gives
// `tile` itself.
QImage deviceTile(const QImage& tile, qreal pixelRatio);

// Writes over every pixel of `spans` the tile pixel for its position, the
// tiling anchored at the canvas origin: pixel (x, y) takes the tile's pixel
// (x mod width, y mod height). Returns the bounding rectangle of the spans.
QRect paintTexture(QImage& canvas, const std::vector<platform::Span>& spans, const QImage& tile);

// Textures the 4-connected area of exactly the colour at `start`, found by the
// surface flood fill painting `marker`; every flooded pixel then takes its
// texel, so none keeps the marker colour. Returns the changed rectangle, empty
// when `start` is outside the canvas.
QRect textureFillArea(QImage& canvas, QPoint start, const QImage& tile, QRgb marker);

} // namespace canvas
