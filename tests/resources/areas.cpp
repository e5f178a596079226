// Areas of line-art pictures: the 4-connected regions of non-outline pixels.
#include "areas.h"

#include <algorithm>
#include <set>

namespace areatest {
namespace {

bool isOutline(const QImage& image, int x, int y, QRgb outline)
{
    return (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & 0xFFFFFFu) == (outline & 0xFFFFFFu);
}

// Labels the area around (x, y) with `id` by an explicit stack of pixels.
long flood(const QImage& image, QRgb outline, AreaMap& map, int x0, int y0, int id)
{
    std::vector<std::pair<int, int>> stack{{x0, y0}};
    map.label[std::size_t(y0) * map.width + x0] = id;
    long count = 0;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        ++count;
        const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
        for (int k = 0; k < 4; ++k) {
            const int nx = x + dx[k], ny = y + dy[k];
            if (nx < 0 || ny < 0 || nx >= map.width || ny >= map.height)
                continue;
            int& l = map.label[std::size_t(ny) * map.width + nx];
            if (l == -2 && !isOutline(image, nx, ny, outline)) {
                l = id;
                stack.emplace_back(nx, ny);
            }
        }
    }
    return count;
}

} // namespace

AreaMap mapAreas(const QImage& source, QRgb outline)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    AreaMap map;
    map.width = image.width();
    map.height = image.height();
    map.label.assign(std::size_t(map.width) * map.height, -2);
    for (int y = 0; y < map.height; ++y) {
        for (int x = 0; x < map.width; ++x) {
            int& l = map.label[std::size_t(y) * map.width + x];
            if (l != -2)
                continue;
            if (isOutline(image, x, y, outline))
                l = -1;
            else
                map.size.push_back(flood(image, outline, map, x, y, map.count()));
        }
    }
    return map;
}

int sourceIndex(int i, int source, int target)
{
    return int((2 * qint64(i) + 1) * source / (2 * qint64(target)));
}

QPoint thinOutlinePixel(const QImage& source, QRgb outline)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    auto dark = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && isOutline(image, x, y, outline);
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
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

std::vector<QRgb> coloursOf(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            colours.insert(row[x] & 0xFFFFFFu);
    }
    return {colours.begin(), colours.end()};
}

} // namespace areatest
