// Resampling a picture into a rectangle: separable block reductions per axis, one per stretch mode.
#include "platform/stretch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {
namespace {

constexpr QRgb kOpaque = 0xFF000000u;

// For each target index along one axis, the source indices it takes its value from.
struct AxisBlocks {
    std::vector<int> first;
    std::vector<int> last;
};

// Nearest neighbour: the source pixel under the target pixel's centre.
int nearestSource(int i, int source, int target)
{
    return static_cast<int>((2 * static_cast<qint64>(i) + 1) * source / (2 * static_cast<qint64>(target)));
}

// How a shrinking axis is cut into blocks. Covering: block i runs from
// floor(i*s/t) to ceil((i+1)*s/t) - 1, so neighbouring blocks touch or
// overlap and every source index lies in one. Tiling: from ceil(i*s/t)
// instead, so every source index lies in exactly one block. Nearest (and any
// growing axis): each block is the single nearest source pixel.
enum class Blocks { Nearest, Covering, Tiling };

SourceSpan span(int i, int source, int target, Blocks blocks)
{
    if (blocks == Blocks::Nearest || target >= source) {
        const int nearest = nearestSource(i, source, target);
        return {nearest, nearest};
    }
    const qint64 start = static_cast<qint64>(i) * source;
    const qint64 end = start + source;
    const qint64 first = blocks == Blocks::Tiling ? (start + target - 1) / target : start / target;
    return {static_cast<int>(first), static_cast<int>((end + target - 1) / target) - 1};
}

AxisBlocks axisBlocks(int source, int target, Blocks kind)
{
    AxisBlocks blocks;
    blocks.first.resize(static_cast<std::size_t>(target));
    blocks.last.resize(static_cast<std::size_t>(target));
    for (int i = 0; i < target; ++i) {
        const SourceSpan s = span(i, source, target, kind);
        blocks.first[static_cast<std::size_t>(i)] = s.first;
        blocks.last[static_cast<std::size_t>(i)] = s.last;
    }
    return blocks;
}

// Darkest by luminance; the colour breaks ties so the choice never depends on order.
struct Darkest {
    using Acc = std::uint64_t;
    static Acc load(QRgb p)
    {
        const std::uint64_t lum = 299u * qRed(p) + 587u * qGreen(p) + 114u * qBlue(p);
        return (lum << 32) | (p & 0x00FFFFFFu);
    }
    static Acc merge(Acc a, Acc b) { return std::min(a, b); }
    static QRgb finish(Acc a, int) { return kOpaque | static_cast<QRgb>(a & 0x00FFFFFFu); }
};

struct BitwiseAnd {
    using Acc = QRgb;
    static Acc load(QRgb p) { return p; }
    static Acc merge(Acc a, Acc b) { return a & b; }
    static QRgb finish(Acc a, int) { return kOpaque | a; }
};

struct BitwiseOr {
    using Acc = QRgb;
    static Acc load(QRgb p) { return p; }
    static Acc merge(Acc a, Acc b) { return a | b; }
    static QRgb finish(Acc a, int) { return kOpaque | a; }
};

// Sums of the three components; finish() divides by the pixel count of the block.
struct Average {
    struct Acc {
        std::uint32_t r, g, b;
    };
    static Acc load(QRgb p)
    {
        return {static_cast<std::uint32_t>(qRed(p)), static_cast<std::uint32_t>(qGreen(p)),
                static_cast<std::uint32_t>(qBlue(p))};
    }
    static Acc merge(Acc a, Acc c) { return {a.r + c.r, a.g + c.g, a.b + c.b}; }
    static QRgb finish(Acc a, int count)
    {
        const auto n = static_cast<std::uint32_t>(count);
        return qRgb(static_cast<int>((a.r + n / 2) / n), static_cast<int>((a.g + n / 2) / n),
                    static_cast<int>((a.b + n / 2) / n));
    }
};

// Reduces the source rows along x first (one row cached, since neighbouring
// blocks share at most their edge row), then merges those rows along y.
template <typename R>
class Resampler {
public:
    Resampler(const QImage& source, const AxisBlocks& xs, const AxisBlocks& ys)
        : source_(source), xs_(xs), ys_(ys), loaded_(std::size_t(source.width())), cached_(xs.first.size()),
          merged_(xs.first.size())
    {
    }
    // Writes the result into `target` with its top-left corner at `at`.
    void run(QImage& target, QPoint at);

private:
    const std::vector<typename R::Acc>& reducedRow(int y);
    void writeRow(QRgb* out, const std::vector<typename R::Acc>& acc, int rows) const;

    const QImage& source_;
    const AxisBlocks& xs_;
    const AxisBlocks& ys_;
    std::vector<typename R::Acc> loaded_; // the source row, each pixel loaded once
    std::vector<typename R::Acc> cached_;
    std::vector<typename R::Acc> merged_;
    int cachedY_ = -1;
};

template <typename R>
const std::vector<typename R::Acc>& Resampler<R>::reducedRow(int y)
{
    if (y == cachedY_)
        return cached_;
    // Neighbouring blocks overlap, so the row is loaded once before the blocks merge it.
    const auto* row = reinterpret_cast<const QRgb*>(source_.constScanLine(y));
    // Pages are long runs of one colour: each run's value is loaded once.
    QRgb last = row[0];
    typename R::Acc lastLoaded = R::load(last);
    for (std::size_t x = 0; x < loaded_.size(); ++x) {
        if (row[x] != last) {
            last = row[x];
            lastLoaded = R::load(last);
        }
        loaded_[x] = lastLoaded;
    }
    for (std::size_t i = 0; i < cached_.size(); ++i) {
        typename R::Acc acc = loaded_[std::size_t(xs_.first[i])];
        for (int x = xs_.first[i] + 1; x <= xs_.last[i]; ++x)
            acc = R::merge(acc, loaded_[std::size_t(x)]);
        cached_[i] = acc;
    }
    cachedY_ = y;
    return cached_;
}

template <typename R>
void Resampler<R>::writeRow(QRgb* out, const std::vector<typename R::Acc>& acc, int rows) const
{
    for (std::size_t i = 0; i < acc.size(); ++i)
        out[i] = R::finish(acc[i], rows * (xs_.last[i] - xs_.first[i] + 1));
}

template <typename R>
void Resampler<R>::run(QImage& target, QPoint at)
{
    for (std::size_t k = 0; k < ys_.first.size(); ++k) {
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(at.y() + static_cast<int>(k))) + at.x();
        const int rows = ys_.last[k] - ys_.first[k] + 1;
        if (rows == 1) {
            writeRow(out, reducedRow(ys_.first[k]), 1);
            continue;
        }
        merged_ = reducedRow(ys_.first[k]);
        for (int y = ys_.first[k] + 1; y <= ys_.last[k]; ++y) {
            const auto& row = reducedRow(y);
            for (std::size_t i = 0; i < merged_.size(); ++i)
                merged_[i] = R::merge(merged_[i], row[i]);
        }
        writeRow(out, merged_, rows);
    }
}

bool singlePixels(const AxisBlocks& blocks)
{
    return blocks.first == blocks.last;
}

// Every block one pixel (growing, or the same size): a plain copy of the
// chosen pixels, whatever the mode, with repeated rows copied whole.
void nearestCopy(const QImage& source, const AxisBlocks& xs, const AxisBlocks& ys, QImage& target, QPoint at)
{
    const int width = static_cast<int>(xs.first.size());
    for (std::size_t k = 0; k < ys.first.size(); ++k) {
        const int j = at.y() + static_cast<int>(k);
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(j)) + at.x();
        if (k > 0 && ys.first[k] == ys.first[k - 1]) {
            std::copy_n(reinterpret_cast<const QRgb*>(target.constScanLine(j - 1)) + at.x(), width, out);
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(ys.first[k]));
        for (int i = 0; i < width; ++i)
            out[i] = kOpaque | in[xs.first[static_cast<std::size_t>(i)]];
    }
}

// Pictures of one byte a pixel (grey, or at most 256 colours) shrink as
// bytes: each pixel value stands for its rank in the darkest-first order of
// the picture's colours, so the darkest pixel of a block is the smallest
// rank, and whole rows merge at once.
struct RankedColours {
    std::array<uchar, 256> rankOf;  // by pixel value
    std::array<QRgb, 256> colourOf; // by rank
};

// The ranks of a Grayscale8 or Indexed8 picture's colours, as converting it
// to Format_RGB32 would give them (an index past the colour table is black).
RankedColours rankedColours(const QImage& source)
{
    RankedColours ranked{};
    if (source.format() == QImage::Format_Grayscale8 || source.colorCount() == 0) {
        for (int v = 0; v < 256; ++v) {
            ranked.rankOf[std::size_t(v)] = uchar(v);
            ranked.colourOf[std::size_t(v)] = qRgb(v, v, v);
        }
        return ranked;
    }
    QList<QRgb> table = source.colorTable();
    table.resize(256, kOpaque);
    std::array<Darkest::Acc, 256> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = Darkest::load(table[qsizetype(i)]);
    std::array<Darkest::Acc, 256> sorted = keys;
    std::sort(sorted.begin(), sorted.end());
    const auto distinct = std::unique(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto rank = std::size_t(std::lower_bound(sorted.begin(), distinct, keys[i]) - sorted.begin());
        ranked.rankOf[i] = uchar(rank);
        ranked.colourOf[rank] = Darkest::finish(keys[i], 1);
    }
    return ranked;
}

// `acc` becomes the smaller of itself and `row`, byte by byte.
void keepSmaller(uchar* acc, const uchar* row, int count)
{
    int x = 0;
#if defined(__SSE2__)
    for (; x + 16 <= count; x += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(acc + x));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(acc + x), _mm_min_epu8(a, b));
    }
#endif
    for (; x < count; ++x)
        acc[x] = std::min(acc[x], row[x]);
}

// The smallest byte of each block of rows `width` bytes long, `rowOf(y)`
// giving source row y: merges each block's rows first (whole rows of bytes),
// then each block along the merged row, and hands each target row k to
// `write(k, smallest)`, one byte per target pixel.
template <typename RowOf, typename Write>
void smallestOfBlocks(int width, const AxisBlocks& xs, const AxisBlocks& ys, RowOf rowOf, Write write)
{
    std::vector<uchar> merged(static_cast<std::size_t>(width));
    std::vector<uchar> smallest(xs.first.size());
    for (std::size_t k = 0; k < ys.first.size(); ++k) {
        std::copy_n(rowOf(ys.first[k]), width, merged.begin());
        for (int y = ys.first[k] + 1; y <= ys.last[k]; ++y)
            keepSmaller(merged.data(), rowOf(y), width);
        for (std::size_t i = 0; i < xs.first.size(); ++i) {
            uchar least = merged[std::size_t(xs.first[i])];
            for (int x = xs.first[i] + 1; x <= xs.last[i]; ++x)
                least = std::min(least, merged[std::size_t(x)]);
            smallest[i] = least;
        }
        write(static_cast<int>(k), smallest.data());
    }
}

void resampleBytes(const QImage& source, const AxisBlocks& xs, const AxisBlocks& ys, QImage& target, QPoint at)
{
    const RankedColours ranked = rankedColours(source);
    const bool valuesAreRanks = source.format() == QImage::Format_Grayscale8 || source.colorCount() == 0;
    const int width = source.width();
    std::vector<uchar> ranks(static_cast<std::size_t>(width));
    const auto ranksOf = [&](int y) {
        const uchar* values = source.constScanLine(y);
        if (valuesAreRanks)
            return values;
        for (int x = 0; x < width; ++x)
            ranks[std::size_t(x)] = ranked.rankOf[values[x]];
        return static_cast<const uchar*>(ranks.data());
    };
    smallestOfBlocks(width, xs, ys, ranksOf, [&](int k, const uchar* darkest) {
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(at.y() + k)) + at.x();
        for (std::size_t i = 0; i < xs.first.size(); ++i)
            out[i] = ranked.colourOf[darkest[i]];
    });
}

bool oneBytePixels(const QImage& picture)
{
    return picture.format() == QImage::Format_Grayscale8 || picture.format() == QImage::Format_Indexed8;
}

// Resamples the whole of `source` into the rectangle `to` of `target`.
template <typename R>
void resampleInto(const QImage& source, Blocks blocks, QImage& target, const QRect& to)
{
    const QImage rgb = source.format() == QImage::Format_RGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    const AxisBlocks xs = axisBlocks(rgb.width(), to.width(), blocks);
    const AxisBlocks ys = axisBlocks(rgb.height(), to.height(), blocks);
    if (singlePixels(xs) && singlePixels(ys)) {
        nearestCopy(rgb, xs, ys, target, to.topLeft());
        return;
    }
    Resampler<R> resampler(rgb, xs, ys);
    resampler.run(target, to.topLeft());
}

template <typename R>
QImage resample(const QImage& source, QSize size, Blocks blocks)
{
    QImage target(size, QImage::Format_RGB32);
    if (target.isNull())
        return {};
    resampleInto<R>(source, blocks, target, target.rect());
    return target;
}

bool usable(const QImage& source, QSize size)
{
    return !source.isNull() && size.width() > 0 && size.height() > 0;
}

} // namespace

QImage stretchKeepingDark(const QImage& source, QSize size)
{
    if (!usable(source, size))
        return {};
    QImage target(size, QImage::Format_RGB32);
    if (!target.isNull())
        stretchKeepingDarkInto(source, target, target.rect());
    return target;
}

void stretchKeepingDarkInto(const QImage& source, QImage& target, const QRect& to)
{
    Q_ASSERT(target.format() == QImage::Format_RGB32 && target.rect().contains(to));
    if (!usable(source, to.size()))
        return;
    if (oneBytePixels(source)) {
        resampleBytes(source, axisBlocks(source.width(), to.width(), Blocks::Covering),
                      axisBlocks(source.height(), to.height(), Blocks::Covering), target, to.topLeft());
        return;
    }
    resampleInto<Darkest>(source, Blocks::Covering, target, to);
}

QImage stretchBlt(const QImage& source, QSize size, StretchMode mode)
{
    if (!usable(source, size))
        return {};
    switch (mode) {
    case StretchMode::BlackOnWhite:
        return resample<BitwiseAnd>(source, size, Blocks::Covering);
    case StretchMode::WhiteOnBlack:
        return resample<BitwiseOr>(source, size, Blocks::Covering);
    case StretchMode::Halftone:
        return resample<Average>(source, size, Blocks::Covering);
    case StretchMode::ColorOnColor:
        break;
    }
    return resample<BitwiseAnd>(source, size, Blocks::Nearest);
}

QImage shrinkKeepingDarkTiled(const QImage& grey, QSize size)
{
    if (!usable(grey, size))
        return {};
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    Q_ASSERT(size.width() <= grey.width() && size.height() <= grey.height());
    QImage target(size, QImage::Format_Grayscale8);
    if (target.isNull())
        return {};
    smallestOfBlocks(grey.width(), axisBlocks(grey.width(), size.width(), Blocks::Tiling),
                     axisBlocks(grey.height(), size.height(), Blocks::Tiling),
                     [&](int y) { return grey.constScanLine(y); },
                     [&](int k, const uchar* darkest) { std::copy_n(darkest, size.width(), target.scanLine(k)); });
    return target;
}

SourceSpan keepingDarkSpan(int i, int source, int target)
{
    Q_ASSERT(i >= 0 && i < target && source > 0);
    return span(i, source, target, Blocks::Covering);
}

SourceSpan tiledSpan(int i, int source, int target)
{
    Q_ASSERT(i >= 0 && i < target && target <= source);
    return span(i, source, target, Blocks::Tiling);
}

} // namespace platform
