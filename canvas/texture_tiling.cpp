// Tiling a texture over one flooded area of the canvas.
#include "canvas/texture_tiling.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace canvas {

namespace {

constexpr QRgb kRgbBits = 0x00FFFFFFu;

void copyTileRow(QRgb* row, const QRgb* tileRow, int tileWidth, int x0, int x1)
{
    for (int x = x0; x <= x1;) {
        const int u = x % tileWidth;
        const int count = std::min(tileWidth - u, x1 - x + 1);
        std::copy_n(tileRow + u, count, row + x);
        x += count;
    }
}

} // namespace

QImage textureTile(const QImage& picture, QSize period, QRgb background)
{
    if (period.isEmpty())
        return {};
    QImage tile(period, QImage::Format_RGB32);
    if (tile.isNull())
        return {};
    tile.fill(background);
    if (!picture.isNull()) {
        QPainter painter(&tile);
        painter.drawImage(0, 0, picture);
    }
    return tile;
}

QImage deviceTile(const QImage& tile, qreal pixelRatio)
{
    if (pixelRatio == 1.0 || tile.isNull())
        return tile;
    const QSize size(std::max(1, int(std::lround(tile.width() * pixelRatio))),
                     std::max(1, int(std::lround(tile.height() * pixelRatio))));
    // Nearest neighbour: the texture's colours only, no blend between texels.
    return tile.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QRect paintTexture(QImage& canvas, const std::vector<platform::Span>& spans, const QImage& tile)
{
    Q_ASSERT(canvas.depth() == 32 && tile.format() == QImage::Format_RGB32);
    QRect changed;
    for (const platform::Span& span : spans) {
        Q_ASSERT(span.x0 >= 0 && span.x1 < canvas.width() && span.y >= 0 && span.y < canvas.height());
        auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(span.y));
        const auto* tileRow = reinterpret_cast<const QRgb*>(tile.constScanLine(span.y % tile.height()));
        copyTileRow(row, tileRow, tile.width(), span.x0, span.x1);
        changed |= QRect(span.x0, span.y, span.x1 - span.x0 + 1, 1);
    }
    return changed;
}

QRect textureFillArea(QImage& canvas, QPoint start, const QImage& tile, QRgb marker)
{
    if (!canvas.valid(start))
        return {};
    const QRgb surface = canvas.pixel(start);
    // The flood only has to tell the area apart: where it already has the
    // marker colour, any other colour serves, as every flooded pixel is
    // overwritten with its texel afterwards.
    const QRgb fill = (surface & kRgbBits) == (marker & kRgbBits) ? marker ^ 1u : marker;
    std::vector<platform::Span> spans;
    platform::floodFillSurface(canvas, start, surface, fill, &spans);
    return paintTexture(canvas, spans, tile);
}

} // namespace canvas
