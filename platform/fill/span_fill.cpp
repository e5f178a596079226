// The two fill rules: span filling with an explicit stack, row access and whole-run painting.
#include "platform/fill/span_fill.h"

#include "platform/fill/fill_rules.h"

#include <algorithm>
#include <span>

namespace platform {
namespace fill {

void PaintedPixels::start(int width, int height)
{
    // A few runs a row is room for most fills that meet their own colour; a
    // fill of more runs (a maze) would pay more for its list than for its
    // bits, and starts again with bits if it ever needs them.
    const std::size_t room = std::max<std::size_t>(4096, 4 * static_cast<std::size_t>(height));
    if (runs_.size() < room)
        runs_.resize(room);
    listed_ = 0;
    complete_ = true;
    wordsPerRow_ = (static_cast<std::size_t>(width) + 63) / 64;
    height_ = height;
}

std::uint64_t* PaintedPixels::bits(Extent& marked)
{
    const std::size_t words = wordsPerRow_ * static_cast<std::size_t>(height_);
    if (bits_.size() < words)
        bits_.resize(words, 0);
    for (const Span& run : std::span(runs_.data(), listed_)) {
        setBits(bits_.data() + static_cast<std::size_t>(run.y) * wordsPerRow_, run.x0, run.x1);
        marked.add(run.y, run.x0, run.x1);
    }
    return bits_.data();
}

void PaintedPixels::forget(const QRect& painted)
{
    if (painted.isEmpty())
        return;
    const auto first = static_cast<std::size_t>(painted.left() >> 6);
    const auto last = static_cast<std::size_t>(painted.right() >> 6);
    std::uint64_t* const top = bits_.data() + static_cast<std::size_t>(painted.top()) * wordsPerRow_;
    // A rectangle half as wide as the image or more is cleared as whole rows, in one go.
    if (2 * (last - first + 1) >= wordsPerRow_) {
        std::fill(top, top + static_cast<std::size_t>(painted.height()) * wordsPerRow_, std::uint64_t{0});
        return;
    }
    for (std::uint64_t* row = top; row < top + static_cast<std::size_t>(painted.height()) * wordsPerRow_;
         row += wordsPerRow_) {
        for (std::size_t w = first; w <= last; ++w) {
            row[w] = 0;
            asm("" ::: "memory"); // a few words a row: stores, not a call to memset
        }
    }
}

PaintedPixels& PaintedPixels::forThisThread()
{
    thread_local PaintedPixels painted;
    return painted;
}

} // namespace fill

namespace {

using fill::kRgbMask;
constexpr QRgb kOpaque = 0xFF000000u;

bool isFillable(const QImage& image)
{
    return !image.isNull() && image.depth() == 32;
}

// A painted run x1..x2 of row y, whose neighbours are still to be scanned: the
// row y + dy ahead over the whole run, and the row y - dy it came from only
// where the run reaches past that row's run px1..px2.
struct Segment {
    int y;
    int x1;
    int x2;
    int px1;
    int px2;
    int dy;
};

// The segments waiting to be scanned. One is pushed for every run painted, so
// the push is inline and only growing is a call.
class SegmentStack {
public:
    SegmentStack() : segments_(256) {}
    void push(const Segment& s)
    {
        if (size_ == segments_.size()) [[unlikely]]
            grow();
        segments_[size_++] = s;
    }
    Segment pop() { return segments_[--size_]; }
    bool empty() const { return size_ == 0; }

private:
    [[gnu::noinline]] void grow() { segments_.resize(2 * segments_.size()); }
    std::vector<Segment> segments_;
    std::size_t size_ = 0;
};

// Paints x0..x1 of `row` at memory speed. The four-pixel stores measured on a
// par with the plain loop, which the compiler vectorises too ("big" surface
// 1105-1263 us plain against 1091-1143 us with them, both with plain compares).
inline void paintRun(QRgb* row, int x0, int x1, QRgb value)
{
    QRgb* p = row + x0;
    QRgb* const end = row + x1 + 1;
#if defined(__SSE2__)
    const __m128i v = _mm_set1_epi32(static_cast<int>(value));
    for (; p + 4 <= end; p += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
#endif
    for (; p < end; ++p)
        *p = value;
}

// The run holding the fillable x: one pixel test each way before the wider search,
// as most runs of line art end at once.
template <typename Rule>
inline int runEnd(Rule& rule, int x, int limit)
{
    return x < limit && rule.inside(x + 1) ? rule.runEnd(x + 1, limit) : x;
}

template <typename Rule>
inline int runStart(Rule& rule, int x)
{
    return x > 0 && rule.inside(x - 1) ? rule.runStart(x - 1) : x;
}

// The first fillable x in x .. last, or last + 1 when there is none.
template <typename Rule>
inline int nextFillable(Rule& rule, int x, int last)
{
    for (; x + 3 <= last; x += 4) {
        const unsigned stop = rule.stop4(x);
        if (stop != 0xFu)
            return x + std::countr_one(stop);
    }
    while (x <= last && !rule.inside(x))
        ++x;
    return x;
}

// Span filling after Heckbert and Smith: a run is painted as soon as it is
// found and queued as a segment; a popped segment's row ahead is scanned over
// the whole run, the row behind only where the run reaches past its parent.
// Everything is inline in one loop, so the state stays in registers across
// the pixel stores: in the one-pixel maze each run is a pixel or two, and
// calls per run cost as much as the pixels.
template <typename Rule>
QRect spanFill(QImage& image, QPoint start, Rule& rule, QRgb fill, std::vector<Span>* painted)
{
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const int width = image.width();
    const int height = image.height();
    const QRgb value = kOpaque | (fill & kRgbMask);
    fill::Extent bounds;
    SegmentStack stack;
    auto enterRow = [&](int y) {
        QRgb* row = reinterpret_cast<QRgb*>(bits + y * bytesPerLine);
        rule.setRow(y, row);
        return row;
    };
    auto paint = [&](QRgb* row, int y, int x0, int x1) __attribute__((always_inline)) {
        paintRun(row, x0, x1, value);
        rule.painted(x0, x1);
        bounds.add(y, x0, x1);
        if (painted)
            painted->push_back({y, x0, x1});
    };

    QRgb* row = enterRow(start.y());
    if (!rule.inside(start.x()))
        return {};
    const int left = runStart(rule, start.x());
    const int right = runEnd(rule, start.x(), width - 1);
    paint(row, start.y(), left, right);
    // An empty run behind: both rows next to the first run are scanned in full.
    stack.push({start.y(), left, right, right + 1, right, 1});
    while (!stack.empty() && !rule.restarting()) {
        const Segment s = stack.pop();
        // Down a narrow passage each row waits for the one before, and on a
        // page larger than the cache each waits for memory; asking for the
        // row after next in advance took the one-pixel maze from 56-58 ms
        // to 51-53 ms (3840 x 2000, surface rule), and from 69-71 ms to
        // 64-66 ms with the border rule.
        const int further = s.y + 2 * s.dy;
        if (further >= 0 && further < height) {
            __builtin_prefetch(bits + further * bytesPerLine + s.x1 * 4);
            rule.prefetch(further, s.x1);
        }
        // The row ahead over the whole run; the row behind only where the run
        // reaches past the run it came from, which is mostly nowhere.
        struct Stretch {
            int y;
            int x1;
            int x2;
            int dy;
        } stretches[3];
        int count = 0;
        const int ahead = s.y + s.dy;
        const int behind = s.y - s.dy;
        if (ahead >= 0 && ahead < height)
            stretches[count++] = {ahead, s.x1, s.x2, s.dy};
        if (behind >= 0 && behind < height) {
            if (s.x1 < s.px1)
                stretches[count++] = {behind, s.x1, std::min(s.x2, s.px1 - 1), -s.dy};
            if (s.px2 < s.x2)
                stretches[count++] = {behind, std::max(s.x1, s.px2 + 1), s.x2, -s.dy};
        }
        // Paints the runs of each stretch's row that start in x1..x2 (a run
        // may reach past both ends).
        for (const Stretch& t : std::span(stretches, count)) {
            row = enterRow(t.y);
            for (int x = t.x1; (x = nextFillable(rule, x, t.x2)) <= t.x2; ++x) {
                const int runLeft = x == t.x1 ? runStart(rule, x) : x;
                const int runRight = runEnd(rule, x, width - 1);
                paint(row, t.y, runLeft, runRight);
                stack.push({t.y, runLeft, runRight, s.x1, s.x2, t.dy});
                x = runRight + 1;
            }
        }
    }
    return bounds.rect();
}

} // namespace

QRect floodFillBorder(QImage& image, QPoint start, QRgb border, QRgb fill,
                      std::vector<Span>* painted)
{
    Q_ASSERT(image.isNull() || image.depth() == 32);
    if (!isFillable(image) || !image.rect().contains(start))
        return {};
    const std::size_t listedBefore = painted ? painted->size() : 0;
    {
        fill::BorderRule rule(image.width(), image.height(), border, fill);
        const QRect bounds = spanFill(image, start, rule, fill, painted);
        if (!rule.restarting())
            return bounds;
    }
    // What was painted has the fill colour, and the bits, all clear, take it
    // all as not painted yet: the second fill paints it again with the rest.
    if (painted)
        painted->resize(listedBefore);
    fill::BorderRule rule(image.width(), image.height(), border, fill, fill::BorderRule::Start::WithBits);
    return spanFill(image, start, rule, fill, painted);
}

QRect floodFillSurface(QImage& image, QPoint start, QRgb surface, QRgb fill,
                       std::vector<Span>* painted)
{
    Q_ASSERT(image.isNull() || image.depth() == 32);
    if (!isFillable(image) || !image.rect().contains(start))
        return {};
    if ((surface & kRgbMask) == (fill & kRgbMask))
        return {};
    fill::SurfaceRule rule(surface);
    return spanFill(image, start, rule, fill, painted);
}

} // namespace platform
