// Growing ink by a box, separable, with running counts along each axis.
#include "morphology.h"

#include <algorithm>
#include <vector>

namespace importer {
namespace {

// How much of the box i+lo..i+hi lies outside 0..length-1.
int outsideCount(int i, int lo, int hi, int length)
{
    const int before = std::max(0, -(i + lo));
    const int after = std::max(0, i + hi - (length - 1));
    return std::min(hi - lo + 1, before + after);
}

uchar decide(int inkCount) { return inkCount > 0 ? kInk : kPaper; }

void rowPass(const QImage& in, QImage& out, int lo, int hi, Outside outside)
{
    const int w = in.width();
    std::vector<int> prefix(static_cast<std::size_t>(w) + 1);
    for (int y = 0; y < in.height(); ++y) {
        const uchar* src = in.constScanLine(y);
        for (int x = 0; x < w; ++x)
            prefix[static_cast<std::size_t>(x) + 1] = prefix[static_cast<std::size_t>(x)] + (src[x] == kInk);
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const int a = std::clamp(x + lo, 0, w);
            const int b = std::clamp(x + hi + 1, 0, w);
            int ink = b > a ? prefix[static_cast<std::size_t>(b)] - prefix[static_cast<std::size_t>(a)] : 0;
            if (outside == Outside::Ink)
                ink += outsideCount(x, lo, hi, w);
            dst[x] = decide(ink);
        }
    }
}

void addRow(const QImage& in, int y, int sign, std::vector<int>& counts)
{
    if (y < 0 || y >= in.height())
        return;
    const uchar* src = in.constScanLine(y);
    for (std::size_t x = 0; x < counts.size(); ++x)
        counts[x] += sign * (src[x] == kInk);
}

// Keeps the ink count of the rows y+lo..y+hi of every column while y walks down.
void columnPass(const QImage& in, QImage& out, int lo, int hi, Outside outside)
{
    std::vector<int> counts(static_cast<std::size_t>(in.width()), 0);
    for (int y = lo; y <= hi; ++y)
        addRow(in, y, 1, counts);
    for (int y = 0; y < in.height(); ++y) {
        const int extra = outside == Outside::Ink ? outsideCount(y, lo, hi, in.height()) : 0;
        uchar* dst = out.scanLine(y);
        for (std::size_t x = 0; x < counts.size(); ++x)
            dst[x] = decide(counts[x] + extra);
        addRow(in, y + lo, -1, counts);
        addRow(in, y + hi + 1, 1, counts);
    }
}

QImage boxPass(const QImage& lines, int lo, int hi, Outside outside)
{
    Q_ASSERT(lines.format() == QImage::Format_Grayscale8);
    Q_ASSERT(lo <= hi);
    QImage across(lines.size(), QImage::Format_Grayscale8);
    QImage result(lines.size(), QImage::Format_Grayscale8);
    if (across.isNull() || result.isNull())
        return {};
    rowPass(lines, across, lo, hi, outside);
    columnPass(across, result, lo, hi, outside);
    return result;
}

} // namespace

QImage dilateInk(const QImage& lines, int lo, int hi, Outside outside)
{
    return boxPass(lines, lo, hi, outside);
}

} // namespace importer
