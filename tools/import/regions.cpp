// Regions by a union-find over the flat pixels of similar colour, the rest
// melted into them, then their outlines.
#include "regions.h"

#include "components.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace importer {
namespace {

constexpr int kPaperLabel = -1;
constexpr int kDarkLabel = -2;   // a small dark region: ink
constexpr int kMeltLabel = -3;   // takes a neighbour's label
constexpr int kMeltPasses = 16;  // melting runs from both sides in this many passes

struct Pixel {
    int r, g, b;
};

// One row of the three planes.
struct Row {
    const uchar* r;
    const uchar* g;
    const uchar* b;
    Pixel at(int x) const { return {r[x], g[x], b[x]}; }
};

Row rowOf(const Planes& planes, int y)
{
    return {planes[0].constScanLine(y), planes[1].constScanLine(y), planes[2].constScanLine(y)};
}

int lightness(Pixel p) { return (299 * p.r + 587 * p.g + 114 * p.b + 500) / 1000; }

int colourSpread(Pixel p) { return std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}); }

bool isPaper(Pixel p) { return 255 - lightness(p) < kRegionDarkness && colourSpread(p) < kRegionColour; }

int difference(Pixel a, Pixel b) { return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}); }

bool allPaper(const Planes& planes)
{
    for (int y = 0; y < planes[0].height(); ++y) {
        const Row row = rowOf(planes, y);
        for (int x = 0, xEnd = planes[0].width(); x < xEnd; ++x) {
            if (!isPaper(row.at(x)))
                return false;
        }
    }
    return true;
}

// A flat pixel lies within half kSameColour of its four neighbours: inside a
// region or on gentle shading, not on the blend where two colours meet
// (along a slanted edge the blend changes slowly, and would chain them).
bool isFlat(const Row& above, const Row& row, const Row& below, int x, int w)
{
    const Pixel p = row.at(x);
    const int limit = kSameColour / 2;
    return difference(p, above.at(x)) <= limit && difference(p, below.at(x)) <= limit &&
           difference(p, row.at(std::max(0, x - 1))) <= limit && difference(p, row.at(std::min(w - 1, x + 1))) <= limit;
}

struct Region {
    qint64 pixels = 0;
    double lightness = 0; // sums, then the mean
    double spread = 0;    // sum of squares, then the standard deviation
};

// kPaperLabel on paper, kMeltLabel on blends, the flat pixels joined with
// their flat neighbours of the same colour.
std::vector<int> flatPixels(const Planes& closed, DisjointSets& sets)
{
    const int w = closed[0].width(), h = closed[0].height();
    std::vector<int> labels(std::size_t(w) * std::size_t(h), kPaperLabel);
    for (int y = 0; y < h; ++y) {
        const Row above = rowOf(closed, std::max(0, y - 1)), row = rowOf(closed, y);
        const Row below = rowOf(closed, std::min(h - 1, y + 1));
        for (int x = 0; x < w; ++x) {
            const Pixel p = row.at(x);
            const int i = y * w + x;
            if (isPaper(p))
                continue;
            if (!isFlat(above, row, below, x, w)) {
                labels[std::size_t(i)] = kMeltLabel;
                continue;
            }
            labels[std::size_t(i)] = i;
            if (x > 0 && labels[std::size_t(i - 1)] >= 0 && difference(p, row.at(x - 1)) <= kSameColour)
                sets.join(i, i - 1);
            if (y > 0 && labels[std::size_t(i - w)] >= 0 && difference(p, above.at(x)) <= kSameColour)
                sets.join(i, i - w);
        }
    }
    return labels;
}

// The regions of `closed`: labels 0..n-1 on their flat pixels.
std::vector<int> regionLabels(const Planes& closed, std::vector<Region>& regions)
{
    const int w = closed[0].width(), h = closed[0].height();
    DisjointSets sets(std::size_t(w) * std::size_t(h));
    std::vector<int> labels = flatPixels(closed, sets);
    std::vector<int> index(labels.size(), -1);
    for (int y = 0; y < h; ++y) {
        const Row row = rowOf(closed, y);
        for (int x = 0; x < w; ++x) {
            int& label = labels[std::size_t(y) * std::size_t(w) + std::size_t(x)];
            if (label < 0)
                continue;
            int& region = index[std::size_t(sets.find(label))];
            if (region < 0) {
                region = int(regions.size());
                regions.emplace_back();
            }
            label = region;
            const double l = lightness(row.at(x));
            Region& r = regions[std::size_t(region)];
            ++r.pixels;
            r.lightness += l;
            r.spread += l * l;
        }
    }
    for (Region& r : regions) {
        r.lightness /= double(r.pixels);
        r.spread = std::sqrt(std::max(0.0, r.spread / double(r.pixels) - r.lightness * r.lightness));
    }
    return labels;
}

// Small regions become ink when dark, or melt into their neighbours when pale.
void markSmallRegions(std::vector<int>& labels, const std::vector<Region>& regions, int minPixels)
{
    for (int& label : labels) {
        if (label < 0)
            continue;
        const Region& r = regions[std::size_t(label)];
        if (r.pixels < minPixels)
            label = r.lightness < kDarkRegion ? kDarkLabel : kMeltLabel;
    }
}

// Melting pixels take the label of a settled neighbour, sweeping down and
// right, then up and left; what is left after kMeltPasses becomes paper.
void melt(std::vector<int>& labels, int w, int h)
{
    std::vector<int> melting;
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (labels[i] == kMeltLabel)
            melting.push_back(int(i));
    auto settled = [&](int i) { return labels[std::size_t(i)] >= kPaperLabel; };
    for (int pass = 0; pass < kMeltPasses && !melting.empty(); ++pass) {
        const bool forward = pass % 2 == 0;
        std::vector<int> left;
        for (std::size_t k = 0; k < melting.size(); ++k) {
            const int i = melting[forward ? k : melting.size() - 1 - k];
            const int x = i % w, y = i / w;
            const int along = forward ? (x > 0 ? i - 1 : -1) : (x + 1 < w ? i + 1 : -1);
            const int across = forward ? (y > 0 ? i - w : -1) : (y + 1 < h ? i + w : -1);
            if (along >= 0 && settled(along))
                labels[std::size_t(i)] = labels[std::size_t(along)];
            else if (across >= 0 && settled(across))
                labels[std::size_t(i)] = labels[std::size_t(across)];
            else
                left.push_back(i);
        }
        if (!forward)
            std::reverse(left.begin(), left.end());
        melting = std::move(left);
    }
    for (int i : melting)
        labels[std::size_t(i)] = kPaperLabel;
}

// Ink on every small dark region and on both sides wherever two labels meet,
// so that outlines come out two pixels wide, like drawn ones.
QImage outlines(const std::vector<int>& labels, int w, int h)
{
    QImage lines(w, h, QImage::Format_Grayscale8);
    if (lines.isNull())
        return {};
    lines.fill(kPaper);
    auto meet = [](int a, int b) { return a != b && a != kDarkLabel && b != kDarkLabel; };
    for (int y = 0; y < h; ++y) {
        const int* row = labels.data() + std::size_t(y) * std::size_t(w);
        uchar* dst = lines.scanLine(y);
        uchar* next = y + 1 < h ? lines.scanLine(y + 1) : dst;
        for (int x = 0; x < w; ++x) {
            if (row[x] == kDarkLabel)
                dst[x] = kInk;
            if (x + 1 < w && meet(row[x], row[x + 1]))
                dst[x] = dst[x + 1] = kInk;
            if (y + 1 < h && meet(row[x], row[x + w]))
                dst[x] = next[x] = kInk;
        }
    }
    return lines;
}

bool busy(const Row& row, const Row& next, int x, int w)
{
    const Pixel p = row.at(x);
    const Pixel right = row.at(std::min(x + 1, w - 1));
    const Pixel below = next.at(x);
    const int change = std::abs(p.r - right.r) + std::abs(p.g - right.g) + std::abs(p.b - right.b) +
                       std::abs(p.r - below.r) + std::abs(p.g - below.g) + std::abs(p.b - below.b);
    return change >= kBusyChange;
}

// Each plane averaged over 3 x 3 pixels, which quiets a camera's noise while
// the texture of a photograph or of brush strokes stays.
QImage blurred(const QImage& plane)
{
    QImage out(plane.size(), QImage::Format_Grayscale8);
    if (out.isNull())
        return {};
    const int w = plane.width(), h = plane.height();
    std::vector<int> across(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        const uchar* row = plane.constScanLine(y);
        for (int x = 0; x < w; ++x)
            across[std::size_t(y) * w + x] = row[std::max(0, x - 1)] + row[x] + row[std::min(w - 1, x + 1)];
    }
    for (int y = 0; y < h; ++y) {
        const int* up = &across[std::size_t(std::max(0, y - 1)) * w];
        const int* mid = &across[std::size_t(y) * w];
        const int* down = &across[std::size_t(std::min(h - 1, y + 1)) * w];
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < w; ++x)
            dst[x] = uchar((up[x] + mid[x] + down[x] + 4) / 9);
    }
    return out;
}

// Pixels off the paper, other than dark strokes and outlines, that change
// from pixel to pixel (in `open` averaged) or lie in a region of spread-out lightness.
double toneShare(const std::vector<int>& labels, const std::vector<Region>& regions, const Planes& open,
                 const QImage& strokes, const QImage& lines)
{
    const int w = lines.width(), h = lines.height();
    qint64 toned = 0;
    for (int y = 0; y < h; ++y) {
        const Row row = rowOf(open, y);
        const Row next = rowOf(open, std::min(y + 1, h - 1));
        const uchar* stroke = strokes.constScanLine(y);
        const uchar* outline = lines.constScanLine(y);
        const int* label = labels.data() + std::size_t(y) * std::size_t(w);
        for (int x = 0; x < w; ++x) {
            const Pixel p = row.at(x);
            if (isPaper(p) || outline[x] == kInk || (stroke[x] == kInk && lightness(p) < kDarkRegion))
                continue;
            const bool spread = label[x] >= 0 && regions[std::size_t(label[x])].spread > kTonedSpread;
            toned += spread || busy(row, next, x, w);
        }
    }
    return double(toned) / (double(w) * h);
}

} // namespace

RegionLines regionLines(const Planes& closed, const Planes& open, const QImage& strokes, const Sizes& sizes)
{
    const int w = closed[0].width(), h = closed[0].height();
    if (allPaper(closed)) {
        // Line art on paper: no regions and no tones, and no need to look for them.
        RegionLines none{QImage(w, h, QImage::Format_Grayscale8), 0};
        none.lines.fill(kPaper);
        return none;
    }
    std::vector<Region> regions;
    std::vector<int> labels = regionLabels(closed, regions);
    markSmallRegions(labels, regions, sizes.minAreaPixels);
    melt(labels, w, h);
    RegionLines result;
    result.lines = outlines(labels, w, h);
    if (!result.lines.isNull())
        result.toneShare = toneShare(labels, regions, {blurred(open[0]), blurred(open[1]), blurred(open[2])},
                                     strokes, result.lines);
    return result;
}

} // namespace importer
