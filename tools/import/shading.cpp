// Finding shading: ink parts with their holes and bounding boxes, crowding on
// a grid of boxes, and walls seen from the areas on both sides.
#include "shading.h"

#include "components.h"

#include <QRect>
#include <algorithm>
#include <climits>
#include <unordered_map>
#include <vector>

namespace importer {
namespace {

struct Part {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    qint64 pixels = 0;
    bool holes = false;

    QRect box() const { return QRect(QPoint(left, top), QPoint(right, bottom)); }
    int length() const { return std::max(right - left, bottom - top) + 1; }
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
            p.left = std::min(p.left, x), p.right = std::max(p.right, x);
            p.top = std::min(p.top, y), p.bottom = std::max(p.bottom, y);
            ++p.pixels;
        }
    }
    return parts;
}

// An area away from the picture's edge is a hole of the ink part just above
// its first pixel, which lies on its outer boundary.
void findHoles(const Components& ink, const Components& areas, std::vector<Part>& parts, int width, int height)
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
        if (!onEdge[a])
            parts[std::size_t(ink.at(first[a].x(), first[a].y() - 1))].holes = true;
    }
}

int boxGap(const QRect& a, const QRect& b)
{
    const int across = std::max({0, b.left() - a.right() - 1, a.left() - b.right() - 1});
    const int down = std::max({0, b.top() - a.bottom() - 1, a.top() - b.bottom() - 1});
    return std::max(across, down);
}

// Groups of marks, each within `spacing` of another of its group, found
// through a grid of cells as large as a mark and its spacing: the marks of
// groups of at least kShadingMarks.
std::vector<char> crowded(const std::vector<Part>& parts, const std::vector<char>& isMark, const Sizes& sizes)
{
    const int cell = sizes.markLength + sizes.markSpacing;
    auto key = [](int cx, int cy) { return (qint64(cx) << 32) ^ quint32(cy); };
    auto cellOf = [&](std::size_t i) { return parts[i].box().center() / cell; };
    std::unordered_map<qint64, std::vector<int>> grid;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (isMark[i])
            grid[key(cellOf(i).x(), cellOf(i).y())].push_back(int(i));
    }
    DisjointSets groups(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!isMark[i])
            continue;
        const QPoint c = cellOf(i);
        for (int cy = c.y() - 1; cy <= c.y() + 1; ++cy) {
            for (int cx = c.x() - 1; cx <= c.x() + 1; ++cx) {
                const auto found = grid.find(key(cx, cy));
                if (found == grid.end())
                    continue;
                for (int j : found->second) {
                    if (boxGap(parts[i].box(), parts[std::size_t(j)].box()) <= sizes.markSpacing)
                        groups.join(int(i), j);
                }
            }
        }
    }
    std::vector<int> members(parts.size(), 0);
    for (std::size_t i = 0; i < parts.size(); ++i)
        members[std::size_t(groups.find(int(i)))] += isMark[i];
    std::vector<char> result(parts.size(), 0);
    for (std::size_t i = 0; i < parts.size(); ++i)
        result[i] = isMark[i] && members[std::size_t(groups.find(int(i)))] >= kShadingMarks;
    return result;
}

int removeMarks(QImage& lines, const Sizes& sizes)
{
    const Components ink = labelComponents(lines, kInk, Connectivity::Eight);
    std::vector<Part> parts = partsOf(ink, lines.width(), lines.height());
    findHoles(ink, labelComponents(lines, kPaper, Connectivity::Four), parts, lines.width(), lines.height());
    std::vector<char> isMark(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Part& p = parts[i];
        const bool thin = p.pixels <= qint64(sizes.wallWidth) * p.length();
        isMark[i] = !p.holes && (p.length() <= sizes.markLength || thin);
    }
    const std::vector<char> crowd = crowded(parts, isMark, sizes);
    paintParts(lines, ink, crowd, kPaper);
    return countChosen(crowd);
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
