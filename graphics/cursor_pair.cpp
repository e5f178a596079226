// Filling the colour/mask pair of a pointer: blank, from a bitmap, from an icon.
#include "graphics/cursor_pair.h"

namespace graphics {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kRgbBits = 0x00FFFFFFu;

// Copies `source` (a 32-bit image of the pair's size) into the pair, making
// transparent every pixel for which `transparent` holds.
template <typename Predicate>
void copyMasked(const QImage& source, CursorPair& pair, Predicate transparent)
{
    Q_ASSERT(source.size() == pair.size() && source.depth() == 32);
    for (int y = 0; y < pair.colour.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(pair.colour.scanLine(y));
        for (int x = 0; x < pair.colour.width(); ++x) {
            const bool clear = transparent(in[x]);
            pair.mask.setPixel(x, y, clear ? 1 : 0);
            out[x] = clear ? kBlack : (in[x] | kOpaque);
        }
    }
}

} // namespace

CursorPair makeCursorPair(QSize size)
{
    if (size.isEmpty())
        return {};
    CursorPair pair{QImage(size, QImage::Format_RGB32), QImage(size, QImage::Format_Mono)};
    if (pair.isNull())
        return {};
    pair.mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    return pair;
}

bool maskBit(const QImage& mask, int x, int y)
{
    Q_ASSERT(mask.format() == QImage::Format_Mono && mask.valid(x, y));
    return mask.pixelIndex(x, y) == 1;
}

platform::StretchMode stretchModeFromValue(int value)
{
    const int mode = value & 0xFF;
    if (mode < 1 || mode > 4)
        return platform::StretchMode::BlackOnWhite;
    return static_cast<platform::StretchMode>(mode);
}

void FillBlankImage(CursorPair& pair)
{
    if (pair.isNull())
        return;
    pair.mask.fill(1);
    pair.colour.fill(kBlack);
}

void FillBlankMetafile(CursorPair& pair)
{
    FillBlankImage(pair);
}

void DrawPictureMasked(const Picture& picture, CursorPair& pair,
                       platform::ColourValue transparentColour, int stretchMode)
{
    if (pair.isNull() || picture.image.isNull())
        return;
    const QImage scaled = platform::stretchBlt(picture.image, pair.size(),
                                               stretchModeFromValue(stretchMode));
    if (scaled.size() != pair.size())
        return;
    if (transparentColour == platform::kInvalidColour) {
        copyMasked(scaled, pair, [](QRgb) { return false; });
        return;
    }
    // The key is compared after scaling, so a halftoned edge that is no
    // longer exactly the key colour stays visible.
    const QRgb key = platform::toQRgb(transparentColour) & kRgbBits;
    copyMasked(scaled, pair, [key](QRgb pixel) { return (pixel & kRgbBits) == key; });
}

void DrawIconImage(const Picture& picture, CursorPair& pair)
{
    if (pair.isNull() || picture.image.isNull())
        return;
    const QImage icon = picture.image.convertToFormat(QImage::Format_ARGB32)
                            .scaled(pair.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (icon.size() != pair.size())
        return;
    copyMasked(icon, pair, [](QRgb pixel) { return qAlpha(pixel) < 128; });
}

QImage iconImageFromPair(const CursorPair& pair)
{
    if (pair.isNull())
        return {};
    QImage icon(pair.size(), QImage::Format_ARGB32);
    if (icon.isNull())
        return {};
    for (int y = 0; y < icon.height(); ++y) {
        const auto* colour = reinterpret_cast<const QRgb*>(pair.colour.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < icon.width(); ++x)
            out[x] = maskBit(pair.mask, x, y) ? 0u : (colour[x] | kOpaque);
    }
    return icon;
}

} // namespace graphics
