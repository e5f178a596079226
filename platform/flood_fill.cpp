// The two ExtFloodFill rules: span filling with an explicit stack, row access and whole-run painting.
#include "platform/flood_fill.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {
namespace {

constexpr QRgb kRgbMask = 0x00FFFFFFu;
constexpr QRgb kOpaque = 0xFF000000u;

bool isFillable(const QImage& image)
{
    return !image.isNull() && image.depth() == 32;
}

// A stretch of row `y` to scan for fillable runs; the row `y - dy` next to it
// was painted over x1..x2 (inclusive).
struct Seed {
    int y;
    int x1;
    int x2;
    int dy;
};

#if defined(__SSE2__)
// Bit i of the result is set when pixel i of the four at `p` has the RGB value `rgb`.
inline int matchMask4(const QRgb* p, __m128i rgb)
{
    const __m128i pixels = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                                         _mm_set1_epi32(static_cast<int>(kRgbMask)));
    return _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(pixels, rgb)));
}
#endif

// The surface rule: a pixel is fillable while it has exactly the surface
// colour. Painting changes it to the fill colour, which differs, so painted
// pixels never qualify again and no visited record is needed.
class SurfaceRule {
public:
    explicit SurfaceRule(QRgb surface) : surface_(surface & kRgbMask) {}
    void setRow(int /*y*/, const QRgb* row) { row_ = row; }
    bool inside(int x) const { return (row_[x] & kRgbMask) == surface_; }
    void painted(int /*x0*/, int /*x1*/) {}

    // The last fillable x of the run that holds the fillable `x`, not beyond `limit`.
    int extendRight(int x, int limit) const
    {
#if defined(__SSE2__)
        const __m128i surface = _mm_set1_epi32(static_cast<int>(surface_));
        while (x + 4 <= limit) {
            const int m = matchMask4(row_ + x + 1, surface);
            if (m != 0xF)
                return x + std::countr_one(static_cast<unsigned>(m));
            x += 4;
        }
#endif
        while (x < limit && inside(x + 1))
            ++x;
        return x;
    }
    int extendLeft(int x) const
    {
#if defined(__SSE2__)
        const __m128i surface = _mm_set1_epi32(static_cast<int>(surface_));
        while (x >= 4) {
            const int m = matchMask4(row_ + x - 4, surface);
            if (m != 0xF)
                return x - std::countl_one(static_cast<unsigned>(m) << 28);
            x -= 4;
        }
#endif
        while (x > 0 && inside(x - 1))
            --x;
        return x;
    }

private:
    QRgb surface_;
    const QRgb* row_ = nullptr;
};

// The border rule: a pixel is fillable unless it has the border colour or has
// been painted already. Painted pixels carry the fill colour, so the visited
// bits are consulted only for pixels of that colour (which may also have been
// there before the fill).
class BorderRule {
public:
    BorderRule(const QImage& image, QRgb border, QRgb fill)
        : border_(border & kRgbMask), fill_(fill & kRgbMask),
          wordsPerRow_((image.width() + 63) / 64),
          visited_(static_cast<std::size_t>(wordsPerRow_) * static_cast<std::size_t>(image.height()))
    {
    }
    void setRow(int y, const QRgb* row)
    {
        row_ = row;
        rowBits_ = visited_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(wordsPerRow_);
    }
    bool inside(int x) const
    {
        const QRgb p = row_[x] & kRgbMask;
        return p != border_ && (p != fill_ || !visited(x));
    }
    void painted(int x0, int x1);

    int extendRight(int x, int limit) const
    {
#if defined(__SSE2__)
        const __m128i border = _mm_set1_epi32(static_cast<int>(border_));
        const __m128i fill = _mm_set1_epi32(static_cast<int>(fill_));
        while (x + 4 <= limit) {
            if ((matchMask4(row_ + x + 1, border) | matchMask4(row_ + x + 1, fill)) != 0)
                break;
            x += 4;
        }
#endif
        while (x < limit && inside(x + 1))
            ++x;
        return x;
    }
    int extendLeft(int x) const
    {
#if defined(__SSE2__)
        const __m128i border = _mm_set1_epi32(static_cast<int>(border_));
        const __m128i fill = _mm_set1_epi32(static_cast<int>(fill_));
        while (x >= 4) {
            if ((matchMask4(row_ + x - 4, border) | matchMask4(row_ + x - 4, fill)) != 0)
                break;
            x -= 4;
        }
#endif
        while (x > 0 && inside(x - 1))
            --x;
        return x;
    }

private:
    bool visited(int x) const { return (rowBits_[x >> 6] >> (x & 63)) & 1u; }

    QRgb border_;
    QRgb fill_;
    int wordsPerRow_;
    std::vector<std::uint64_t> visited_;
    const QRgb* row_ = nullptr;
    std::uint64_t* rowBits_ = nullptr;
};

void BorderRule::painted(int x0, int x1)
{
    const int w0 = x0 >> 6;
    const int w1 = x1 >> 6;
    const std::uint64_t first = ~std::uint64_t{0} << (x0 & 63);
    const std::uint64_t last = ~std::uint64_t{0} >> (63 - (x1 & 63));
    if (w0 == w1) {
        rowBits_[w0] |= first & last;
        return;
    }
    rowBits_[w0] |= first;
    std::fill(rowBits_ + w0 + 1, rowBits_ + w1, ~std::uint64_t{0});
    rowBits_[w1] |= last;
}

// Span filling after Heckbert and Smith: each popped seed scans its stretch of
// a row once, paints whole runs and queues the rows above and below only
// where the new runs reach past the stretch they came from.
template <typename Rule>
class SpanFiller {
public:
    SpanFiller(QImage& image, Rule& rule, QRgb fill, std::vector<Span>* painted)
        : rule_(rule), fill_(kOpaque | (fill & kRgbMask)), painted_(painted),
          bits_(image.bits()), bytesPerLine_(image.bytesPerLine()),
          width_(image.width()), height_(image.height())
    {
    }

    QRect run(QPoint start);

private:
    QRgb* rowAt(int y) { return reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_); }
    void push(int y, int x1, int x2, int dy)
    {
        if (y >= 0 && y < height_)
            stack_.push_back({y, x1, x2, dy});
    }
    void paint(int y, int x0, int x1);
    void scan(const Seed& seed);

    Rule& rule_;
    QRgb fill_;
    std::vector<Span>* painted_;
    uchar* bits_;
    qsizetype bytesPerLine_;
    int width_;
    int height_;
    QRgb* row_ = nullptr;
    std::vector<Seed> stack_;
    int left_ = 0, top_ = 0, right_ = -1, bottom_ = -1;
};

template <typename Rule>
void SpanFiller<Rule>::paint(int y, int x0, int x1)
{
    std::fill(row_ + x0, row_ + x1 + 1, fill_);
    rule_.painted(x0, x1);
    if (right_ < left_) {
        left_ = x0, right_ = x1, top_ = bottom_ = y;
    } else {
        left_ = std::min(left_, x0), right_ = std::max(right_, x1);
        top_ = std::min(top_, y), bottom_ = std::max(bottom_, y);
    }
    if (painted_)
        painted_->push_back({y, x0, x1});
}

template <typename Rule>
void SpanFiller<Rule>::scan(const Seed& s)
{
    row_ = rowAt(s.y);
    rule_.setRow(s.y, row_);
    int x = s.x1;
    if (rule_.inside(x)) {
        // Only the run touching the stretch's left end can reach past it on the left.
        const int left = rule_.extendLeft(x);
        const int right = rule_.extendRight(x, width_ - 1);
        paint(s.y, left, right);
        push(s.y + s.dy, left, right, s.dy);
        if (left < s.x1)
            push(s.y - s.dy, left, s.x1 - 1, -s.dy);
        if (right > s.x2)
            push(s.y - s.dy, s.x2 + 1, right, -s.dy);
        x = right + 2;
    } else {
        ++x;
    }
    for (; x <= s.x2; ++x) {
        if (!rule_.inside(x))
            continue;
        const int right = rule_.extendRight(x, width_ - 1);
        paint(s.y, x, right);
        push(s.y + s.dy, x, right, s.dy);
        if (right > s.x2)
            push(s.y - s.dy, s.x2 + 1, right, -s.dy);
        x = right + 1;
    }
}

template <typename Rule>
QRect SpanFiller<Rule>::run(QPoint start)
{
    row_ = rowAt(start.y());
    rule_.setRow(start.y(), row_);
    if (!rule_.inside(start.x()))
        return {};
    const int left = rule_.extendLeft(start.x());
    const int right = rule_.extendRight(start.x(), width_ - 1);
    paint(start.y(), left, right);
    stack_.reserve(256);
    push(start.y() + 1, left, right, 1);
    push(start.y() - 1, left, right, -1);
    while (!stack_.empty()) {
        const Seed seed = stack_.back();
        stack_.pop_back();
        scan(seed);
    }
    return QRect(QPoint(left_, top_), QPoint(right_, bottom_));
}

template <typename Rule>
QRect fillWith(QImage& image, QPoint start, Rule& rule, QRgb fill, std::vector<Span>* painted)
{
    SpanFiller<Rule> filler(image, rule, fill, painted);
    return filler.run(start);
}

} // namespace

QRect floodFillBorder(QImage& image, QPoint start, QRgb border, QRgb fill,
                      std::vector<Span>* painted)
{
    Q_ASSERT(image.isNull() || image.depth() == 32);
    if (!isFillable(image) || !image.rect().contains(start))
        return {};
    BorderRule rule(image, border, fill);
    return fillWith(image, start, rule, fill, painted);
}

QRect floodFillSurface(QImage& image, QPoint start, QRgb surface, QRgb fill,
                       std::vector<Span>* painted)
{
    Q_ASSERT(image.isNull() || image.depth() == 32);
    if (!isFillable(image) || !image.rect().contains(start))
        return {};
    if ((surface & kRgbMask) == (fill & kRgbMask))
        return {};
    SurfaceRule rule(surface);
    return fillWith(image, start, rule, fill, painted);
}

bool ExtFloodFill(QImage& image, int x, int y, ColourValue colour, FloodFillType type,
                  ColourValue brush)
{
    const ColourValue at = GetPixel(image, x, y);
    if (at == kInvalidColour || !isFillable(image))
        return false;
    const QRgb target = toQRgb(colour);
    const QRgb fill = toQRgb(brush);
    const QPoint start(x, y);
    if (type == FloodFillType::Border) {
        if (at == fromQRgb(target))
            return false;
        return !floodFillBorder(image, start, target, fill).isEmpty();
    }
    if (at != fromQRgb(target))
        return false;
    // Filling an area with its own colour changes nothing but is not a failure.
    return fromQRgb(target) == fromQRgb(fill) || !floodFillSurface(image, start, target, fill).isEmpty();
}

ColourValue GetPixel(const QImage& image, int x, int y)
{
    if (image.isNull() || !image.rect().contains(x, y))
        return kInvalidColour;
    if (image.depth() == 32)
        return fromQRgb(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
    return fromQRgb(image.pixel(x, y));
}

bool SetPixelV(QImage& image, int x, int y, ColourValue colour)
{
    if (image.isNull() || !image.rect().contains(x, y))
        return false;
    const QRgb rgb = toQRgb(colour);
    if (image.depth() == 32)
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = kOpaque | (rgb & kRgbMask);
    else
        image.setPixel(x, y, rgb);
    return true;
}

} // namespace platform
