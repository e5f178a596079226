// Labelling connected parts with a union-find over horizontal runs.
#include "components.h"

#include <algorithm>

namespace importer {
namespace {

struct Run {
    int y;
    int x0;
    int x1; // inclusive
};

std::vector<Run> runsOf(const QImage& picture, uchar value, std::vector<int>& rowStart)
{
    std::vector<Run> runs;
    rowStart.assign(static_cast<std::size_t>(picture.height()) + 1, 0);
    for (int y = 0; y < picture.height(); ++y) {
        rowStart[static_cast<std::size_t>(y)] = static_cast<int>(runs.size());
        const uchar* row = picture.constScanLine(y);
        for (int x = 0, xEnd = picture.width(); x < xEnd;) {
            if (row[x] != value) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < xEnd && row[x] == value)
                ++x;
            runs.push_back({y, start, x - 1});
        }
    }
    rowStart.back() = static_cast<int>(runs.size());
    return runs;
}

// Joins each run with the runs of the row above that touch it; both lists are
// sorted by x, so one sweep covers them.
void joinRows(const std::vector<Run>& runs, const std::vector<int>& rowStart, int y, int reach,
              DisjointSets& sets)
{
    int above = rowStart[static_cast<std::size_t>(y) - 1];
    const int aboveEnd = rowStart[static_cast<std::size_t>(y)];
    for (int i = aboveEnd; i < rowStart[static_cast<std::size_t>(y) + 1]; ++i) {
        const Run& run = runs[static_cast<std::size_t>(i)];
        while (above < aboveEnd && runs[static_cast<std::size_t>(above)].x1 + reach < run.x0)
            ++above;
        for (int j = above; j < aboveEnd && runs[static_cast<std::size_t>(j)].x0 - reach <= run.x1; ++j)
            sets.join(i, j);
    }
}

} // namespace

Components labelComponents(const QImage& picture, uchar value, Connectivity connectivity)
{
    Q_ASSERT(picture.format() == QImage::Format_Grayscale8);
    std::vector<int> rowStart;
    const std::vector<Run> runs = runsOf(picture, value, rowStart);
    DisjointSets sets(runs.size());
    const int reach = connectivity == Connectivity::Eight ? 1 : 0;
    for (int y = 1; y < picture.height(); ++y)
        joinRows(runs, rowStart, y, reach, sets);

    Components parts;
    parts.width = picture.width();
    parts.labels.assign(static_cast<std::size_t>(picture.width()) * picture.height(), -1);
    std::vector<int> labelOfRoot(runs.size(), -1);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const auto root = static_cast<std::size_t>(sets.find(static_cast<int>(i)));
        if (labelOfRoot[root] < 0) {
            labelOfRoot[root] = parts.count();
            parts.sizes.push_back(0);
        }
        const int label = labelOfRoot[root];
        const Run& run = runs[i];
        parts.sizes[static_cast<std::size_t>(label)] += run.x1 - run.x0 + 1;
        auto* row = parts.labels.data() + static_cast<std::size_t>(run.y) * parts.width;
        std::fill(row + run.x0, row + run.x1 + 1, label);
    }
    return parts;
}

void paintParts(QImage& picture, const Components& parts, const std::vector<char>& chosen, uchar value)
{
    Q_ASSERT(chosen.size() == parts.sizes.size());
    for (int y = 0; y < picture.height(); ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0, xEnd = picture.width(); x < xEnd; ++x) {
            const int label = parts.at(x, y);
            if (label >= 0 && chosen[static_cast<std::size_t>(label)])
                row[x] = value;
        }
    }
}

int countChosen(const std::vector<char>& chosen)
{
    return static_cast<int>(std::count_if(chosen.begin(), chosen.end(), [](char c) { return c != 0; }));
}

} // namespace importer
