// Cleaning line pictures: sizes, thresholds, specks, thickness and small areas (gaps: gap_closing.cpp).
#include "clean_page.h"

#include "shading.h"

#include "lineart/morphology.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace importer {
namespace {

constexpr int kLightestInk = 96; // a paper level is lighter than this

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
    return lineart::greyOf(picture, [](QRgb c) { return static_cast<uchar>(luminance(c)); });
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
            dst[x] = src[x] < faintBelow ? lineart::kInk : lineart::kPaper;
    }
    const lineart::Components parts = lineart::labelComponents(lines, lineart::kInk, lineart::Connectivity::Eight);
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
    lineart::paintParts(lines, parts, dark, lineart::kPaper);
    return lines;
}

int removeInkSpecks(QImage& lines, int minPixels)
{
    const lineart::Components parts = lineart::labelComponents(lines, lineart::kInk, lineart::Connectivity::Eight);
    std::vector<char> specks(static_cast<std::size_t>(parts.count()));
    for (std::size_t i = 0; i < specks.size(); ++i)
        specks[i] = parts.sizes[i] < minPixels;
    lineart::paintParts(lines, parts, specks, lineart::kPaper);
    return lineart::countChosen(specks);
}

int countAreas(const QImage& lines)
{
    return lineart::labelComponents(lines, lineart::kPaper, lineart::Connectivity::Four).count();
}

Cleaning cleanLines(QImage& lines, int gap, const Sizes& sizes)
{
    Cleaning result;
    removeInkSpecks(lines, kMinInkPixels);
    result.gapsClosed = closeGaps(lines, gap, sizes.minAreaPixels);
    removeShading(lines, sizes);
    lineart::thickenRightDown(lines);
    result.areas = lineart::fillSmallAreas(lines, sizes.minAreaPixels, sizes.minAreaWidth).left;
    return result;
}

} // namespace importer
