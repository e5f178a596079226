// Growing ink by a box, separable, with running counts along each axis; grey
// box filters with the van Herk / Gil-Werman running extremes.
#include "morphology.h"

#include <algorithm>
#include <functional>
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

// The extreme of each window of `side` values centred on every entry of a row
// (side / 2 before, the rest after), the row padded with `neutral`: running
// extremes within blocks of `side` from the left (ahead) and the right
// (behind) give each window in two lookups, whatever its size.
template <class Op>
class RowExtremes {
public:
    RowExtremes(int length, int side, uchar neutral)
        : side_(side), neutral_(neutral), padded_(static_cast<std::size_t>(length + side - 1)),
          ahead_(padded_.size()), behind_(padded_.size())
    {
    }

    void run(const uchar* in, uchar* out, int length)
    {
        const int before = side_ / 2;
        std::fill(padded_.begin(), padded_.end(), neutral_);
        std::copy_n(in, length, padded_.begin() + before);
        const int n = static_cast<int>(padded_.size());
        const Op op;
        const uchar* a = padded_.data();
        uchar* ahead = ahead_.data();
        uchar* behind = behind_.data();
        for (int start = 0; start < n; start += side_) {
            const int end = std::min(n, start + side_);
            ahead[start] = a[start];
            for (int i = start + 1; i < end; ++i)
                ahead[i] = op(ahead[i - 1], a[i]);
            behind[end - 1] = a[end - 1];
            for (int i = end - 2; i >= start; --i)
                behind[i] = op(behind[i + 1], a[i]);
        }
        for (int x = 0; x < length; ++x)
            out[x] = op(behind[x], ahead[x + side_ - 1]);
    }

private:
    int side_;
    uchar neutral_;
    std::vector<uchar> padded_;
    std::vector<uchar> ahead_;
    std::vector<uchar> behind_;
};

struct Brighter {
    uchar operator()(uchar a, uchar b) const { return std::max(a, b); }
};
struct Darker {
    uchar operator()(uchar a, uchar b) const { return std::min(a, b); }
};

template <class Op>
QImage rowFilter(const QImage& grey, int side, uchar neutral)
{
    QImage out(grey.size(), QImage::Format_Grayscale8);
    if (out.isNull())
        return {};
    RowExtremes<Op> extremes(grey.width(), side, neutral);
    for (int y = 0; y < grey.height(); ++y)
        extremes.run(grey.constScanLine(y), out.scanLine(y), grey.width());
    return out;
}

// Rows, then columns as the rows of the transposed picture.
template <class Op>
QImage boxFilter(const QImage& grey, int side, uchar neutral)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    Q_ASSERT(side >= 1);
    if (grey.isNull() || side == 1)
        return grey;
    const QImage across = rowFilter<Op>(grey, side, neutral);
    const QImage down = rowFilter<Op>(transposed(across), side, neutral);
    return transposed(down);
}

} // namespace

QImage dilateInk(const QImage& lines, int lo, int hi, Outside outside)
{
    return boxPass(lines, lo, hi, outside);
}

QImage boxMax(const QImage& grey, int side) { return boxFilter<Brighter>(grey, side, 0); }

QImage boxMin(const QImage& grey, int side) { return boxFilter<Darker>(grey, side, 255); }

QImage closing(const QImage& grey, int side)
{
    Q_ASSERT(side % 2 == 1);
    return boxMin(boxMax(grey, side), side);
}

QImage transposed(const QImage& grey)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    QImage out(grey.height(), grey.width(), QImage::Format_Grayscale8);
    if (out.isNull())
        return {};
    // Tiles keep both the rows read and the rows written in the cache.
    constexpr int kTile = 32;
    uchar* bits = out.bits();
    const qsizetype stride = out.bytesPerLine();
    for (int y0 = 0; y0 < grey.height(); y0 += kTile) {
        for (int x0 = 0; x0 < grey.width(); x0 += kTile) {
            const int y1 = std::min(grey.height(), y0 + kTile);
            const int x1 = std::min(grey.width(), x0 + kTile);
            for (int y = y0; y < y1; ++y) {
                const uchar* src = grey.constScanLine(y);
                for (int x = x0; x < x1; ++x)
                    bits[x * stride + y] = src[x];
            }
        }
    }
    return out;
}

} // namespace importer
