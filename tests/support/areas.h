// Areas of line-art pictures: the 4-connected regions of non-outline pixels.
#pragma once

#include <QImage>

#include <vector>

namespace testsupport {

// One label per pixel (row by row): -1 on pixels of `outline`, otherwise the
// number of the 4-connected area the pixel belongs to, counted from 0.
struct AreaMap {
    int width = 0;
    int height = 0;
    std::vector<int> label;
    std::vector<long> size; // pixels per area
    int at(int x, int y) const { return label[std::size_t(y) * width + x]; }
    int count() const { return int(size.size()); }
};

AreaMap mapAreas(const QImage& image, QRgb outline);

// The source pixel whose colour a stretch from `source` to `target` pixels
// along one axis puts at target index `i` (the one under the pixel's centre).
int sourceIndex(int i, int source, int target);

// The first outline pixel that lies in no 2 x 2 block of outline pixels (an
// outline a single pixel thin there), or (-1, -1) when there is none.
QPoint thinOutlinePixel(const QImage& image, QRgb outline);

} // namespace testsupport
