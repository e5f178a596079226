// Making a drawn page safe to colour on every canvas it is stretched onto.
#include "page_cleanup.h"

#include <cstdint>
#include <vector>

namespace resources {
namespace {

// A two-colour picture as one byte a pixel: 1 outline, 0 paper.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink;

    Bitmap(int w, int h) : width(w), height(h), ink(std::size_t(w) * h, 0) {}
    std::uint8_t& at(int x, int y) { return ink[std::size_t(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return ink[std::size_t(y) * width + x]; }
};

Bitmap fromImage(const QImage& image)
{
    Bitmap b(image.width(), image.height());
    for (int y = 0; y < b.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < b.width; ++x)
            b.at(x, y) = (row[x] & 0xFFFFFFu) == 0;
    }
    return b;
}

void toImage(const Bitmap& b, QImage& image)
{
    for (int y = 0; y < b.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < b.width; ++x)
            row[x] = b.at(x, y) ? 0xFF000000u : 0xFFFFFFFFu;
    }
}

bool inInkBlock(const Bitmap& b, int x, int y)
{
    for (int by = std::max(y - 1, 0); by <= y && by + 1 < b.height; ++by) {
        for (int bx = std::max(x - 1, 0); bx <= x && bx + 1 < b.width; ++bx) {
            if (b.at(bx, by) && b.at(bx + 1, by) && b.at(bx, by + 1) && b.at(bx + 1, by + 1))
                return true;
        }
    }
    return false;
}

// A pixel of outline in no 2 x 2 block of outline grows into one.
int thickenThinOutlines(Bitmap& b)
{
    int changed = 0;
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            if (!b.at(x, y) || inInkBlock(b, x, y))
                continue;
            const int bx = x + 1 < b.width ? x : x - 1;
            const int by = y + 1 < b.height ? y : y - 1;
            b.at(bx, by) = b.at(bx + 1, by) = b.at(bx, by + 1) = b.at(bx + 1, by + 1) = 1;
            ++changed;
        }
    }
    return changed;
}

// Calls `visit` with the indices of the pixels of each 4-connected paper
// area in turn (one buffer serves them all: a page has areas of millions of
// pixels).
template <typename Visit>
void forEachPaperArea(const Bitmap& b, Visit visit)
{
    std::vector<std::uint8_t> seen(b.ink);
    std::vector<int> area;
    area.reserve(seen.size());
    for (int start = 0; start < int(seen.size()); ++start) {
        if (seen[start])
            continue;
        area.assign(1, start);
        seen[start] = 1;
        for (std::size_t i = 0; i < area.size(); ++i) {
            const int p = area[i], x = p % b.width;
            const int next[] = {x > 0 ? p - 1 : -1, x + 1 < b.width ? p + 1 : -1, p - b.width,
                                p + b.width < int(seen.size()) ? p + b.width : -1};
            for (int q : next) {
                if (q >= 0 && !seen[q]) {
                    seen[q] = 1;
                    area.push_back(q);
                }
            }
        }
        visit(area);
    }
}

int fillSmallAreas(Bitmap& b, long limit)
{
    int changed = 0;
    forEachPaperArea(b, [&](const std::vector<int>& area) {
        if (long(area.size()) >= limit)
            return;
        for (int p : area)
            b.ink[p] = 1;
        ++changed;
    });
    return changed;
}

// The page pixels one canvas pixel takes its colour from along one axis: a
// block that touches its neighbours when shrinking, the nearest one otherwise.
struct Block {
    int first;
    int last;
};
Block blockOf(int i, int source, int target)
{
    if (target >= source) {
        const int nearest = int((2 * qint64(i) + 1) * source / (2 * qint64(target)));
        return {nearest, nearest};
    }
    const qint64 end = (qint64(i) + 1) * source;
    return {int(qint64(i) * source / target), int((end + target - 1) / target) - 1};
}

// Each canvas pixel is outline when any page pixel of its block is: rows first, then columns.
Bitmap shrinkKeepingDark(const Bitmap& page, QSize size)
{
    std::vector<Block> columns;
    for (int x = 0; x < size.width(); ++x)
        columns.push_back(blockOf(x, page.width, size.width()));
    // Row by row, as the bitmap is stored: a page has millions of pixels.
    Bitmap narrow(size.width(), page.height);
    for (int y = 0; y < page.height; ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const Block bx = columns[std::size_t(x)];
            for (int sx = bx.first; sx <= bx.last && !narrow.at(x, y); ++sx)
                narrow.at(x, y) = page.at(sx, y);
        }
    }
    Bitmap small(size.width(), size.height());
    for (int y = 0; y < size.height(); ++y) {
        const Block by = blockOf(y, page.height, size.height());
        for (int sy = by.first; sy <= by.last; ++sy)
            for (int x = 0; x < size.width(); ++x)
                small.at(x, y) |= narrow.at(x, sy);
    }
    return small;
}

// Fills in the page pixels under every piece of area that would come out
// smaller than the limit on a canvas of `size`.
int fillShrunkSpecks(Bitmap& page, QSize size)
{
    const Bitmap small = shrinkKeepingDark(page, size);
    int changed = 0;
    forEachPaperArea(small, [&](const std::vector<int>& area) {
        if (long(area.size()) >= kSmallestCanvasArea)
            return;
        for (int p : area) {
            const Block bx = blockOf(p % small.width, page.width, small.width);
            const Block by = blockOf(p / small.width, page.height, small.height);
            for (int sy = by.first; sy <= by.last; ++sy)
                for (int sx = bx.first; sx <= bx.last; ++sx)
                    page.at(sx, sy) = 1;
        }
        ++changed;
    });
    return changed;
}

} // namespace

void cleanPage(QImage& page)
{
    Bitmap b = fromImage(page);
    for (int round = 0; round < 8; ++round) {
        int changed = thickenThinOutlines(b) + fillSmallAreas(b, kSmallestPageArea);
        for (QSize canvas : kShrinkCanvases)
            changed += fillShrunkSpecks(b, canvas);
        if (changed == 0)
            break;
    }
    toImage(b, page);
}

} // namespace resources
