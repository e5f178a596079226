// ExtFloodFill, GetPixel and SetPixelV: colour values in and out, the span fill underneath.
#include "platform/flood_fill.h"

#include <QScopeGuard>

namespace platform {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFFu;
constexpr QRgb kOpaque = 0xFF000000u;

bool isFillable(const QImage& image)
{
    return !image.isNull() && image.depth() == 32;
}

} // namespace

bool ExtFloodFill(QImage& image, int x, int y, ColourValue colour, FloodFillType type,
                  ColourValue brush, QRect* painted)
{
    QRect changed;
    const auto report = qScopeGuard([&] {
        if (painted != nullptr)
            *painted = changed;
    });
    const ColourValue at = GetPixel(image, x, y);
    if (at == kInvalidColour || !isFillable(image))
        return false;
    const QRgb target = toQRgb(colour);
    const QRgb fill = toQRgb(brush);
    const QPoint start(x, y);
    if (type == FloodFillType::Border) {
        if (at == fromQRgb(target))
            return false;
        changed = floodFillBorder(image, start, target, fill);
        return !changed.isEmpty();
    }
    if (at != fromQRgb(target))
        return false;
    // Filling an area with its own colour changes nothing but is not a failure.
    if (fromQRgb(target) == fromQRgb(fill))
        return true;
    changed = floodFillSurface(image, start, target, fill);
    return !changed.isEmpty();
}

ColourValue GetPixel(const QImage& image, int x, int y)
{
    if (image.isNull() || !image.rect().contains(x, y))
        return kInvalidColour;
    if (image.depth() == 32)
        return fromQRgb(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
    return fromQRgb(image.pixel(x, y));
}

bool SetPixelV(QImage& image, int x, int y, ColourValue colour)
{
    if (image.isNull() || !image.rect().contains(x, y))
        return false;
    const QRgb rgb = toQRgb(colour);
    if (image.depth() == 32)
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = kOpaque | (rgb & kRgbMask);
    else
        image.setPixel(x, y, rgb);
    return true;
}

} // namespace platform
