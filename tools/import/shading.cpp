// Finding shading: ink parts with their holes and bounding boxes, crowds of
// marks grown until they touch, and walls seen from the areas on both sides.
#include "shading.h"

#include "components.h"

#include <QPoint>
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace importer {
namespace {

struct Part {
    QPoint first; // its first pixel, row by row
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    qint64 pixels = 0;
    bool holes = false;

    int length() const { return std::max(right - left, bottom - top) + 1; }
    double diagonal() const { return std::hypot(right - left + 1, bottom - top + 1); }
    double boxArea() const { return double(right - left + 1) * (bottom - top + 1); }
};

std::vector<Part> partsOf(const Components& ink, int width, int height)
{
    std::vector<Part> parts(std::size_t(ink.count()));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int label = ink.at(x, y);
            if (label < 0)
                continue;
            Part& p = parts[std::size_t(label)];
            if (p.pixels == 0)
                p.first = QPoint(x, y);
            p.left = std::min(p.left, x), p.right = std::max(p.right, x);
            p.top = std::min(p.top, y), p.bottom = std::max(p.bottom, y);
            ++p.pixels;
        }
    }
    return parts;
}

// An area away from the picture's edge is a hole of the ink part just above
// its first pixel, which lies on its outer boundary. Holes too small to
// colour (a loop in a clump of dots) do not count.
void findHoles(const Components& ink, const Components& areas, const std::vector<char>& small,
               std::vector<Part>& parts, int width, int height)
{
    std::vector<char> seen(std::size_t(areas.count()), 0);
    std::vector<char> onEdge(std::size_t(areas.count()), 0);
    std::vector<QPoint> first(std::size_t(areas.count()));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int a = areas.at(x, y);
            if (a < 0)
                continue;
            if (!seen[std::size_t(a)])
                seen[std::size_t(a)] = 1, first[std::size_t(a)] = QPoint(x, y);
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1)
                onEdge[std::size_t(a)] = 1;
        }
    }
    for (std::size_t a = 0; a < first.size(); ++a) {
        if (!onEdge[a] && !small[a])
            parts[std::size_t(ink.at(first[a].x(), first[a].y() - 1))].holes = true;
    }
}

// What a mark is: short or straight; and whether it is a plain one, a dot
// or a straight stroke.
enum class Mark : char { None, Bent, Plain };

Mark markOf(const Part& p, const Sizes& sizes)
{
    const bool straight = double(p.pixels) <= sizes.wallWidth * p.diagonal();
    if (p.holes || (p.length() > sizes.markLength && !straight))
        return Mark::None;
    const bool dot = kDotFill * p.boxArea() <= double(p.pixels);
    return dot || straight ? Mark::Plain : Mark::Bent;
}

// The marks of shading: in groups of at least kShadingMarks, each within
// `spacing` of another of its group (grown by half the spacing each way,
// such marks touch), most of them plain.
std::vector<char> shadingMarks(const Components& ink, const std::vector<Part>& parts, const std::vector<Mark>& marks,
                               const Sizes& sizes, QSize size)
{
    std::vector<char> isMark(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i)
        isMark[i] = marks[i] != Mark::None;
    QImage grown(size, QImage::Format_Grayscale8);
    grown.fill(kPaper);
    paintParts(grown, ink, isMark, kInk);
    const int before = sizes.markSpacing / 2;
    const Components groups =
        labelComponents(dilateInk(grown, -before, sizes.markSpacing - before, Outside::Paper), kInk, Connectivity::Eight);
    auto groupOf = [&](std::size_t i) { return std::size_t(groups.at(parts[i].first.x(), parts[i].first.y())); };
    std::vector<int> members(std::size_t(groups.count()), 0);
    std::vector<int> plain(members.size(), 0);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (isMark[i])
            ++members[groupOf(i)], plain[groupOf(i)] += marks[i] == Mark::Plain;
    }
    std::vector<char> result(parts.size(), 0);
    for (std::size_t i = 0; i < parts.size(); ++i)
        result[i] = isMark[i] && members[groupOf(i)] >= kShadingMarks && 2 * plain[groupOf(i)] >= members[groupOf(i)];
    return result;
}

int removeMarks(QImage& lines, const Sizes& sizes)
{
    const Components ink = labelComponents(lines, kInk, Connectivity::Eight);
    std::vector<Part> parts = partsOf(ink, lines.width(), lines.height());
    // Most drawings have too few marks for any shading: then the holes need no looking for.
    const auto possible =
        std::count_if(parts.begin(), parts.end(), [&](const Part& p) { return markOf(p, sizes) != Mark::None; });
    if (possible < kShadingMarks)
        return 0;
    const Components areas = labelComponents(lines, kPaper, Connectivity::Four);
    findHoles(ink, areas, tooSmallAreas(lines, areas, sizes.minAreaPixels, sizes.minAreaWidth), parts, lines.width(),
              lines.height());
    std::vector<Mark> marks(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i)
        marks[i] = markOf(parts[i], sizes);
    const std::vector<char> shading = shadingMarks(ink, parts, marks, sizes, lines.size());
    paintParts(lines, ink, shading, kPaper);
    return countChosen(shading);
}

// A wall pixel: ink whose surroundings within the wall width hold two or more
// areas, all of them small.
struct Wall {
    int x, y;
    int area; // one of the areas it separates
};

// The areas within `reach` of (x, y), at most a few; false when one of them is large.
bool smallAreasAround(const Components& areas, const std::vector<char>& small, int x, int y, int reach,
                      std::vector<int>& seen)
{
    seen.clear();
    const int height = int(areas.labels.size()) / areas.width;
    for (int v = std::max(0, y - reach); v <= std::min(height - 1, y + reach); ++v) {
        for (int u = std::max(0, x - reach); u <= std::min(areas.width - 1, x + reach); ++u) {
            const int a = areas.at(u, v);
            if (a < 0 || std::find(seen.begin(), seen.end(), a) != seen.end())
                continue;
            if (!small[std::size_t(a)])
                return false;
            seen.push_back(a);
        }
    }
    return seen.size() >= 2;
}

int openClusters(QImage& lines, const Sizes& sizes)
{
    const Components areas = labelComponents(lines, kPaper, Connectivity::Four);
    const std::vector<char> small = tooSmallAreas(lines, areas, sizes.minAreaPixels, sizes.minAreaWidth);
    if (countChosen(small) < kClusterAreas)
        return 0;
    DisjointSets clusters(small.size());
    std::vector<Wall> walls;
    std::vector<int> seen;
    for (int y = 0; y < lines.height(); ++y) {
        const uchar* row = lines.constScanLine(y);
        for (int x = 0, xEnd = lines.width(); x < xEnd; ++x) {
            if (row[x] != kInk || !smallAreasAround(areas, small, x, y, sizes.wallWidth, seen))
                continue;
            for (std::size_t k = 1; k < seen.size(); ++k)
                clusters.join(seen[k], seen[0]);
            walls.push_back({x, y, seen[0]});
        }
    }
    std::vector<int> members(small.size(), 0);
    for (std::size_t a = 0; a < small.size(); ++a)
        members[std::size_t(clusters.find(int(a)))] += small[a];
    std::vector<char> opened(small.size(), 0);
    for (const Wall& wall : walls) {
        const int root = clusters.find(wall.area);
        if (members[std::size_t(root)] >= kClusterAreas) {
            lines.scanLine(wall.y)[wall.x] = kPaper;
            opened[std::size_t(root)] = 1;
        }
    }
    return countChosen(opened);
}

} // namespace

Shading removeShading(QImage& lines, const Sizes& sizes)
{
    Shading shading;
    shading.marks = removeMarks(lines, sizes);
    shading.clusters = openClusters(lines, sizes);
    return shading;
}

} // namespace importer
