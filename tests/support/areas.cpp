// Areas of line-art pictures: the 4-connected regions of non-outline pixels.
#include "tests/support/areas.h"

#include <algorithm>

namespace testsupport {
namespace {

// 1 on the pixels of `outline`, 0 elsewhere, row by row.
std::vector<unsigned char> outlineMask(const QImage& source, QRgb outline)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const std::size_t width = std::size_t(image.width());
    std::vector<unsigned char> mask(width * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        unsigned char* out = mask.data() + std::size_t(y) * width;
        for (std::size_t x = 0; x < width; ++x)
            out[x] = (row[x] & 0xFFFFFFu) == (outline & 0xFFFFFFu);
    }
    return mask;
}

// Labels the area around pixel `start` with `id`, a row at a time: each
// seed taken from the stack grows into the whole open run of its row, which
// then seeds the open runs above and below it.
long flood(const std::vector<unsigned char>& outlined, AreaMap& map, std::size_t start, int id)
{
    const std::size_t width = std::size_t(map.width);
    const auto open = [&](std::size_t i) { return map.label[i] == -2 && !outlined[i]; };
    std::vector<std::size_t> stack{start};
    long count = 0;
    while (!stack.empty()) {
        const std::size_t seed = stack.back();
        stack.pop_back();
        if (!open(seed))
            continue;
        const std::size_t rowStart = seed - seed % width;
        std::size_t first = seed;
        std::size_t last = seed;
        while (first > rowStart && open(first - 1))
            --first;
        while (last + 1 < rowStart + width && open(last + 1))
            ++last;
        std::fill(map.label.begin() + std::ptrdiff_t(first), map.label.begin() + std::ptrdiff_t(last) + 1, id);
        count += long(last - first + 1);
        const bool hasAbove = rowStart > 0;
        const bool hasBelow = rowStart + width < outlined.size();
        for (std::size_t i = first; i <= last; ++i) {
            if (hasAbove && open(i - width) && (i == first || !open(i - width - 1)))
                stack.push_back(i - width);
            if (hasBelow && open(i + width) && (i == first || !open(i + width - 1)))
                stack.push_back(i + width);
        }
    }
    return count;
}

} // namespace

AreaMap mapAreas(const QImage& source, QRgb outline)
{
    const std::vector<unsigned char> outlined = outlineMask(source, outline);
    AreaMap map;
    map.width = source.width();
    map.height = source.height();
    map.label.assign(outlined.size(), -2);
    for (std::size_t i = 0; i < outlined.size(); ++i) {
        if (map.label[i] != -2)
            continue;
        if (outlined[i])
            map.label[i] = -1;
        else
            map.size.push_back(flood(outlined, map, i, map.count()));
    }
    return map;
}

int sourceIndex(int i, int source, int target)
{
    return int((2 * qint64(i) + 1) * source / (2 * qint64(target)));
}

QPoint thinOutlinePixel(const QImage& source, QRgb outline)
{
    const std::vector<unsigned char> outlined = outlineMask(source, outline);
    const int width = source.width();
    const int height = source.height();
    auto dark = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && outlined[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!dark(x, y))
                continue;
            bool inBlock = false;
            for (int by = y - 1; by <= y && !inBlock; ++by)
                for (int bx = x - 1; bx <= x && !inBlock; ++bx)
                    inBlock = dark(bx, by) && dark(bx + 1, by) && dark(bx, by + 1) && dark(bx + 1, by + 1);
            if (!inBlock)
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}

} // namespace testsupport
