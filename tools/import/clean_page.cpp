// Cleaning line pictures: sizes, thresholds, specks, thickness and small areas (gaps: gap_closing.cpp).
#include "clean_page.h"

#include "shading.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace importer {
namespace {

constexpr int kLightestInk = 96; // a paper level is lighter than this

struct Filling {
    int filled = 0;
    int left = 0;
};

// Filling an area joins no others: the areas left are those not filled.
Filling fillSmall(QImage& lines, int minPixels, int minWidth)
{
    const Components areas = labelComponents(lines, kPaper, Connectivity::Four);
    const std::vector<char> small = tooSmallAreas(lines, areas, minPixels, minWidth);
    paintParts(lines, areas, small, kInk);
    const int filled = countChosen(small);
    return {filled, areas.count() - filled};
}

int onPage(double canvasSize, double shrink) { return std::max(1, static_cast<int>(std::ceil(canvasSize / shrink - 1e-9))); }

} // namespace

Sizes sizesOnPage(QSize page)
{
    Q_ASSERT(!page.isEmpty());
    const double across = double(kSmallestCanvas.width()) / page.width();
    const double down = double(kSmallestCanvas.height()) / page.height();
    const double length = std::min(across, down);
    Sizes sizes;
    sizes.minAreaPixels = onPage(kHitCanvasArea, across * down);
    sizes.minAreaWidth = onPage(kHitCanvasWidth, length);
    sizes.strokeWidth = onPage(kStrokeCanvasWidth, length);
    sizes.markLength = onPage(kMarkCanvasLength, length);
    sizes.markSpacing = onPage(kMarkCanvasSpacing, length);
    sizes.wallWidth = onPage(kWallCanvasWidth, length);
    return sizes;
}

QImage toGrey(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage grey(rgb.size(), QImage::Format_Grayscale8);
    if (rgb.isNull() || grey.isNull())
        return {};
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = grey.scanLine(y);
        for (int x = 0, xEnd = rgb.width(); x < xEnd; ++x)
            dst[x] = static_cast<uchar>(luminance(src[x]));
    }
    return grey;
}

int paperLevel(const QImage& grey)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    std::array<qint64, 256> histogram{};
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0, xEnd = grey.width(); x < xEnd; ++x)
            ++histogram[row[x]];
    }
    int best = -1;
    qint64 bestCount = 0;
    for (int level = 255; level >= kLightestInk; --level) {
        qint64 count = 0;
        for (int k = std::max(0, level - 2); k <= std::min(255, level + 2); ++k)
            count += histogram[static_cast<std::size_t>(k)];
        if (histogram[static_cast<std::size_t>(level)] > 0 && count > bestCount) {
            best = level;
            bestCount = count;
        }
    }
    return best;
}

QImage binarise(const QImage& grey, int inkBelow, int faintBelow)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    Q_ASSERT(inkBelow <= faintBelow);
    QImage lines(grey.size(), QImage::Format_Grayscale8);
    if (lines.isNull())
        return {};
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* src = grey.constScanLine(y);
        uchar* dst = lines.scanLine(y);
        for (int x = 0, xEnd = grey.width(); x < xEnd; ++x)
            dst[x] = src[x] < faintBelow ? kInk : kPaper;
    }
    const Components parts = labelComponents(lines, kInk, Connectivity::Eight);
    std::vector<char> dark(static_cast<std::size_t>(parts.count()), 0);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* src = grey.constScanLine(y);
        for (int x = 0, xEnd = grey.width(); x < xEnd; ++x) {
            if (src[x] < inkBelow)
                dark[static_cast<std::size_t>(parts.at(x, y))] = 1;
        }
    }
    for (auto& d : dark)
        d = !d;
    paintParts(lines, parts, dark, kPaper);
    return lines;
}

int removeInkSpecks(QImage& lines, int minPixels)
{
    const Components parts = labelComponents(lines, kInk, Connectivity::Eight);
    std::vector<char> specks(static_cast<std::size_t>(parts.count()));
    for (std::size_t i = 0; i < specks.size(); ++i)
        specks[i] = parts.sizes[i] < minPixels;
    paintParts(lines, parts, specks, kPaper);
    return countChosen(specks);
}

void thicken(QImage& lines)
{
    lines = dilateInk(lines, -1, 0, Outside::Paper);
}

// An area is too thin when no pixel of it is left once the ink has grown by
// half the minimum width (the core).
std::vector<char> tooSmallAreas(const QImage& lines, const Components& areas, int minPixels, int minWidth)
{
    Q_ASSERT(minWidth >= 1);
    const int lo = -(minWidth - 1) / 2;
    const int hi = minWidth - 1 + lo;
    const QImage core = dilateInk(lines, lo, hi, Outside::Ink);
    std::vector<char> hasCore(static_cast<std::size_t>(areas.count()), 0);
    for (int y = 0; y < core.height(); ++y) {
        const uchar* row = core.constScanLine(y);
        for (int x = 0, xEnd = core.width(); x < xEnd; ++x) {
            if (row[x] == kPaper)
                hasCore[static_cast<std::size_t>(areas.at(x, y))] = 1;
        }
    }
    std::vector<char> small(hasCore.size());
    for (std::size_t i = 0; i < small.size(); ++i)
        small[i] = !hasCore[i] || areas.sizes[i] < minPixels;
    return small;
}

int fillSmallAreas(QImage& lines, int minPixels, int minWidth)
{
    return fillSmall(lines, minPixels, minWidth).filled;
}

int countAreas(const QImage& lines)
{
    return labelComponents(lines, kPaper, Connectivity::Four).count();
}

Cleaning cleanLines(QImage& lines, int gap, const Sizes& sizes)
{
    Cleaning result;
    removeInkSpecks(lines, kMinInkPixels);
    result.gapsClosed = closeGaps(lines, gap, sizes.minAreaPixels);
    removeShading(lines, sizes);
    thicken(lines);
    result.areas = fillSmall(lines, sizes.minAreaPixels, sizes.minAreaWidth).left;
    return result;
}

} // namespace importer
