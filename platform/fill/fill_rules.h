// The two ExtFloodFill rules as pixel tests for the span fill: which pixels may be painted, four or eight at a time.
//
// Why the SSE2 variants are here: bench/bench_fill (Release, CPU time, medians
// of three, 1912 x 1000 pages, the same machine in one sitting) with the SSE2
// paths against the plain loops below each #else:
//   matchMask4, allOf8, noneOf8: "big" surface 460-512 us against 1091-1143 us
//     plain, "medium" 12.1-12.5 us against 24.0-25.9 us: twice as fast where
//     runs are long. On the one-pixel "maze" they change nothing (15.3-15.5 ms
//     against 15.5-16.3 ms): there the cost is reaching the next row.
//   The eight-pixel steps (allOf8, noneOf8) serve the same long runs, a
//     compare and a branch for eight pixels instead of two.
// The border rule's visited bits are read a 64-bit word at a time for the same
// reason: runs in rows already painted end at the first visited word. Its
// runs are first followed to the next pixel of the border or the fill colour
// without the bits (StopAtEither): on the one-pixel maze that took the border
// rule from 1.21-1.32 times the surface rule to 1.04-1.12 (3.8 against 3.3 ms
// at 832 x 696, 57 against 65 ms at 3840 x 2000).
// Before that, a run is followed over the colour it starts with alone
// (rightWhileOf), as the surface rule follows it, and the painted pixels are a
// list of runs until the fill first meets its own colour (PaintedPixels): on
// the small areas, where setting and clearing the bits for each run was a
// quarter of the fill, the border rule went from 1.26-1.34 times the surface
// rule to 1.01-1.08 ("medium"), and from 1.14-1.26 to 1.04-1.15 ("largest";
// both rules filled in turn in one loop). bench_fill's "in_turn" cases measure
// the same way: 0.94-1.17 times the surface rule on every page. The list stops
// at a few runs a row: on the one-pixel maze, whose hundreds of thousands of
// runs never meet the fill colour, writing them all cost the border rule 4 %
// (1.06-1.08 times the surface rule with the stop, 1.10-1.12 without).
#pragma once

#include <QRect>
#include <QRgb>

#include "platform/fill/span_fill.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::fill {

inline constexpr QRgb kRgbMask = 0x00FFFFFFu;

// Bit i set when pixel p[i] has the RGB value `rgb`.
inline unsigned matchMask4(const QRgb* p, QRgb rgb)
{
#if defined(__SSE2__)
    const __m128i pixels = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                                         _mm_set1_epi32(static_cast<int>(kRgbMask)));
    const __m128i wanted = _mm_set1_epi32(static_cast<int>(rgb));
    return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(pixels, wanted))));
#else
    unsigned m = 0;
    for (unsigned i = 0; i < 4; ++i)
        m |= ((p[i] & kRgbMask) == rgb ? 1u : 0u) << i;
    return m;
#endif
}

// True when all eight pixels at `p` have the RGB value `rgb`.
inline bool allOf8(const QRgb* p, QRgb rgb)
{
#if defined(__SSE2__)
    const __m128i mask = _mm_set1_epi32(static_cast<int>(kRgbMask));
    const __m128i wanted = _mm_set1_epi32(static_cast<int>(rgb));
    const __m128i lo = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), mask);
    const __m128i hi = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4)), mask);
    const __m128i same = _mm_and_si128(_mm_cmpeq_epi32(lo, wanted), _mm_cmpeq_epi32(hi, wanted));
    return _mm_movemask_epi8(same) == 0xFFFF;
#else
    return (matchMask4(p, rgb) & matchMask4(p + 4, rgb)) == 0xFu;
#endif
}

// True when none of the eight pixels at `p` has the RGB value `rgb`.
inline bool noneOf8(const QRgb* p, QRgb rgb)
{
#if defined(__SSE2__)
    const __m128i mask = _mm_set1_epi32(static_cast<int>(kRgbMask));
    const __m128i wanted = _mm_set1_epi32(static_cast<int>(rgb));
    const __m128i lo = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), mask);
    const __m128i hi = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4)), mask);
    const __m128i hits = _mm_or_si128(_mm_cmpeq_epi32(lo, wanted), _mm_cmpeq_epi32(hi, wanted));
    return _mm_movemask_epi8(hits) == 0;
#else
    return (matchMask4(p, rgb) | matchMask4(p + 4, rgb)) == 0;
#endif
}

// The colours a scan stops at: one colour...
struct StopAt {
    QRgb rgb;
    unsigned mask4(const QRgb* p) const { return matchMask4(p, rgb); }
    bool none8(const QRgb* p) const { return noneOf8(p, rgb); }
    bool at(QRgb pixel) const { return (pixel & kRgbMask) == rgb; }
};

// ...or either of two.
struct StopAtEither {
    QRgb a;
    QRgb b;
    unsigned mask4(const QRgb* p) const { return matchMask4(p, a) | matchMask4(p, b); }
    bool none8(const QRgb* p) const { return noneOf8(p, a) && noneOf8(p, b); }
    bool at(QRgb pixel) const { return (pixel & kRgbMask) == a || (pixel & kRgbMask) == b; }
};

// x moved right over pixels `stop` does not stop at, not beyond `last`.
template <typename Stop>
inline int rightWhileNot(const QRgb* row, int x, int last, Stop stop)
{
    for (; x + 8 <= last && stop.none8(row + x + 1); x += 8) {
    }
    for (; x + 4 <= last; x += 4) {
        if (const unsigned hit = stop.mask4(row + x + 1))
            return x + std::countr_zero(hit);
    }
    while (x < last && !stop.at(row[x + 1]))
        ++x;
    return x;
}

// x moved left over pixels `stop` does not stop at, not below `first`.
template <typename Stop>
inline int leftWhileNot(const QRgb* row, int x, int first, Stop stop)
{
    for (; x - 8 >= first && stop.none8(row + x - 8); x -= 8) {
    }
    for (; x - 4 >= first; x -= 4) {
        if (const unsigned hit = stop.mask4(row + x - 4))
            return x - std::countl_zero(hit << 28);
    }
    while (x > first && !stop.at(row[x - 1]))
        --x;
    return x;
}

// x moved right over pixels of the RGB value `rgb`, not beyond `last`.
inline int rightWhileOf(const QRgb* row, int x, int last, QRgb rgb)
{
    for (; x + 8 <= last && allOf8(row + x + 1, rgb); x += 8) {
    }
    for (; x + 4 <= last; x += 4) {
        if (const unsigned other = ~matchMask4(row + x + 1, rgb) & 0xFu)
            return x + std::countr_zero(other);
    }
    while (x < last && (row[x + 1] & kRgbMask) == rgb)
        ++x;
    return x;
}

// x moved left over pixels of the RGB value `rgb`, not below `first`.
inline int leftWhileOf(const QRgb* row, int x, int first, QRgb rgb)
{
    for (; x - 8 >= first && allOf8(row + x - 8, rgb); x -= 8) {
    }
    for (; x - 4 >= first; x -= 4) {
        if (const unsigned other = ~matchMask4(row + x - 4, rgb) & 0xFu)
            return x - std::countl_zero(other << 28);
    }
    while (x > first && (row[x - 1] & kRgbMask) == rgb)
        --x;
    return x;
}

// The surface rule: a pixel is fillable while it has exactly the surface
// colour. Painting gives it the fill colour, which differs, so painted pixels
// never qualify again and nothing needs remembering.
class SurfaceRule {
public:
    explicit SurfaceRule(QRgb surface) : surface_(surface & kRgbMask) {}
    void setRow(int /*y*/, const QRgb* row) { row_ = row; }
    bool inside(int x) const { return (row_[x] & kRgbMask) == surface_; }
    // Bit i set when pixel x + i is not fillable.
    unsigned stop4(int x) const { return ~matchMask4(row_ + x, surface_) & 0xFu; }
    void painted(int /*x0*/, int /*x1*/) {}
    void prefetch(int /*y*/, int /*x*/) const {}
    static constexpr bool restarting() { return false; }

    // The last fillable x of the run holding the fillable x, not beyond `limit`.
    int runEnd(int x, int limit) const { return rightWhileOf(row_, x, limit, surface_); }
    // The first fillable x of the run holding the fillable x.
    int runStart(int x) const { return leftWhileOf(row_, x, 0, surface_); }

private:
    QRgb surface_;
    const QRgb* row_ = nullptr;
};

// The rectangle around the runs added to it.
struct Extent {
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    int right = -1;
    int bottom = -1;
    void add(int y, int x0, int x1)
    {
        left = std::min(left, x0), right = std::max(right, x1);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    QRect rect() const { return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom)); }
};

// What the border rule's fill has painted so far, kept with the thread between
// fills. Most fills never meet a pixel of the fill colour, and for them a list
// of the runs painted is all there is. The first such pixel turns the list into
// one bit a pixel, which the rest of the fill keeps up and its end clears. So a
// fill pays for the bits only when it asks them, and never for a page-sized
// mask: the bits are all clear between fills.
class PaintedPixels {
public:
    void start(int width, int height);
    // Lists a run; past a few runs a row, the list stops and is incomplete.
    void add(int y, int x0, int x1)
    {
        if (listed_ < runs_.size())
            runs_[listed_++] = {y, x0, x1};
        else
            complete_ = false;
    }
    // False when runs painted since start() are missing from the list.
    bool complete() const { return complete_; }
    // The bits of this fill's image, all clear but for the runs listed so far,
    // which are added to `marked`.
    std::uint64_t* bits(Extent& marked);
    std::size_t wordsPerRow() const { return wordsPerRow_; }
    // Clears the bits within `painted`, which holds every bit set.
    void forget(const QRect& painted);
    static PaintedPixels& forThisThread();

private:
    std::vector<Span> runs_;
    std::size_t listed_ = 0;
    bool complete_ = true;
    std::vector<std::uint64_t> bits_;
    std::size_t wordsPerRow_ = 0;
    int height_ = 0;
};

// Sets bits x0..x1 of a row of bits. Runs are short: a loop of stores beats a
// call to memset.
inline void setBits(std::uint64_t* row, int x0, int x1)
{
    const int w0 = x0 >> 6;
    const int w1 = x1 >> 6;
    const std::uint64_t first = ~std::uint64_t{0} << (x0 & 63);
    const std::uint64_t last = ~std::uint64_t{0} >> (63 - (x1 & 63));
    if (w0 == w1) {
        row[w0] |= first & last;
        return;
    }
    row[w0] |= first;
    for (int w = w0 + 1; w < w1; ++w) {
        row[w] = ~std::uint64_t{0};
        asm("" ::: "memory"); // keeps the loop a loop
    }
    row[w1] |= last;
}

// The border rule: a pixel is fillable unless it has the border colour or the
// fill has painted it already. The fill colour may be in the area before the
// fill, so painted pixels are told by the list or bits of PaintedPixels, not by
// their colour; only a pixel of the fill colour needs asking. The bits it set
// are cleared when the rule goes, however the fill ends.
class BorderRule {
public:
    enum class Start { WithList, WithBits };
    BorderRule(int width, int height, QRgb border, QRgb fill, Start start = Start::WithList)
        : border_(border & kRgbMask),
          fill_(fill & kRgbMask),
          painted_(PaintedPixels::forThisThread())
    {
        painted_.start(width, height);
        if (start == Start::WithBits)
            needBits();
    }
    BorderRule(const BorderRule&) = delete;
    BorderRule& operator=(const BorderRule&) = delete;
    ~BorderRule()
    {
        if (visited_)
            painted_.forget(marked_.rect());
    }
    void setRow(int y, const QRgb* row)
    {
        row_ = row;
        y_ = y;
        if (visited_)
            bits_ = visited_ + static_cast<std::size_t>(y) * wordsPerRow_;
    }
    bool inside(int x)
    {
        const QRgb rgb = row_[x] & kRgbMask;
        return rgb != border_ && (rgb != fill_ || !visited(x));
    }
    // Bit i set when pixel x + i is not fillable.
    unsigned stop4(int x)
    {
        const unsigned fillColoured = matchMask4(row_ + x, fill_);
        return matchMask4(row_ + x, border_) | (fillColoured != 0 ? fillColoured & visited4(x) : 0u);
    }
    void painted(int x0, int x1)
    {
        if (!visited_) {
            painted_.add(y_, x0, x1);
            return;
        }
        setBits(bits_, x0, x1);
        marked_.add(y_, x0, x1);
    }
    void prefetch(int y, int x) const
    {
        if (visited_)
            __builtin_prefetch(visited_ + static_cast<std::size_t>(y) * wordsPerRow_ + static_cast<std::size_t>(x >> 6));
    }
    // True when the fill met its own colour after its list of runs had
    // stopped: the bits cannot tell its painted pixels, and the fill must
    // start again with bits from the start.
    bool restarting() const { return restarting_; }
    int runEnd(int x, int limit);
    int runStart(int x);

private:
    int runEndPastColours(int x, int limit);
    int runStartPastColours(int x);
    int runEndByWords(int x, int limit) const;
    int runStartByWords(int x) const;
    // The first question about a pixel of the fill colour turns the list into bits.
    void needBits()
    {
        if (visited_)
            return;
        visited_ = painted_.bits(marked_);
        restarting_ = !painted_.complete();
        wordsPerRow_ = painted_.wordsPerRow();
        bits_ = visited_ + static_cast<std::size_t>(y_) * wordsPerRow_;
    }
    bool visited(int x)
    {
        needBits();
        return (bits_[x >> 6] >> (x & 63)) & 1u;
    }
    unsigned visited4(int x)
    {
        needBits();
        const int offset = x & 63;
        std::uint64_t v = bits_[x >> 6] >> offset;
        if (offset > 60)
            v |= bits_[(x >> 6) + 1] << (64 - offset);
        return static_cast<unsigned>(v & 0xFu);
    }

    QRgb border_;
    QRgb fill_;
    PaintedPixels& painted_;
    std::uint64_t* visited_ = nullptr;
    std::size_t wordsPerRow_ = 0;
    const QRgb* row_ = nullptr;
    std::uint64_t* bits_ = nullptr;
    int y_ = 0;
    Extent marked_;
    bool restarting_ = false;
};

// A run ends at the border colour or at a pixel the fill painted, which has
// the fill colour. Most runs meet no pixel of the fill colour at all, so they
// are first followed to the next pixel of either colour without the visited
// bits; only at a pixel of the fill colour do the bits decide.
// An area most often has one colour throughout, so a run is first followed
// over the colour it starts with, as the surface rule follows it.
inline int BorderRule::runEnd(int x, int limit)
{
    x = rightWhileOf(row_, x, limit, row_[x] & kRgbMask);
    if (x == limit || (row_[x + 1] & kRgbMask) == border_)
        return x;
    return runEndPastColours(x, limit);
}

inline int BorderRule::runStart(int x)
{
    x = leftWhileOf(row_, x, 0, row_[x] & kRgbMask);
    if (x == 0 || (row_[x - 1] & kRgbMask) == border_)
        return x;
    return runStartPastColours(x);
}

inline int BorderRule::runEndPastColours(int x, int limit)
{
    x = rightWhileNot(row_, x, limit, StopAtEither{border_, fill_});
    if (x == limit || (row_[x + 1] & kRgbMask) == border_)
        return x;
    needBits();
    return runEndByWords(x, limit);
}

inline int BorderRule::runStartPastColours(int x)
{
    x = leftWhileNot(row_, x, 0, StopAtEither{border_, fill_});
    if (x == 0 || (row_[x - 1] & kRgbMask) == border_)
        return x;
    needBits();
    return runStartByWords(x);
}

// Within one word of visited bits the run can only reach the first visited
// pixel, so only the border colour is compared pixel by pixel.
inline int BorderRule::runEndByWords(int x, int limit) const
{
    while (x < limit) {
        const int next = x + 1;
        const int wordLast = std::min(limit, next | 63);
        const std::uint64_t ahead = bits_[next >> 6] >> (next & 63);
        const int last = ahead ? std::min(wordLast, next + std::countr_zero(ahead) - 1) : wordLast;
        x = rightWhileNot(row_, x, last, StopAt{border_});
        if (x < wordLast)
            return x;
    }
    return x;
}

inline int BorderRule::runStartByWords(int x) const
{
    while (x > 0) {
        const int previous = x - 1;
        const int wordFirst = previous & ~63;
        const std::uint64_t behind = bits_[previous >> 6] << (63 - (previous & 63));
        const int first = behind ? std::max(wordFirst, previous - std::countl_zero(behind) + 1) : wordFirst;
        x = leftWhileNot(row_, x, first, StopAt{border_});
        if (x > wordFirst)
            return x;
    }
    return x;
}

} // namespace platform::fill
