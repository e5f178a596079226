// The sheet: Otsu's split of the closed luminance, the largest light part
// with its holes, straight lines fitted to its sides, and the cut-out.
#include "sheet.h"

#include "clean_page.h"
#include "components.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace importer {
namespace {

constexpr int kLineClosing = 15;   // pixels: lines on the sheet are closed away first
constexpr int kSheetContrast = 40; // grey levels between the sheet and the table at least
constexpr double kDarkBorder = 0.5; // share of the picture's border the table covers at least
constexpr int kMinEdgePoints = 20;
constexpr double kShapeMismatch = 0.05; // share of the sheet outside its four sides, or missing inside
constexpr int kSheetColour = 40;         // paper is nearly grey: its channels differ by less, mostly
constexpr double kEdgeMiddle = 0.1; // each side's first and last tenth (its corners) are left out

// The level splitting the histogram into two classes of most different means
// (Otsu), and the two means.
struct Split {
    int level = 0;
    double dark = 0;
    double light = 0;
};

Split otsu(const QImage& grey)
{
    std::array<double, 256> histogram{};
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0, xEnd = grey.width(); x < xEnd; ++x)
            ++histogram[row[x]];
    }
    double total = 0, weighted = 0;
    for (int v = 0; v < 256; ++v)
        total += histogram[std::size_t(v)], weighted += v * histogram[std::size_t(v)];
    Split best;
    double bestScore = -1, count = 0, sum = 0;
    for (int v = 0; v < 255; ++v) {
        count += histogram[std::size_t(v)];
        sum += v * histogram[std::size_t(v)];
        if (count == 0 || count == total)
            continue;
        const double dark = sum / count, light = (weighted - sum) / (total - count);
        const double score = count * (total - count) * (light - dark) * (light - dark);
        if (score > bestScore)
            bestScore = score, best = {v, dark, light};
    }
    return best;
}

// kPaper on the sheet (the largest light part and everything it encloses), kInk elsewhere.
QImage sheetMask(const QImage& grey, int level)
{
    QImage mask(grey.size(), QImage::Format_Grayscale8);
    if (mask.isNull())
        return {};
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* src = grey.constScanLine(y);
        uchar* dst = mask.scanLine(y);
        for (int x = 0, xEnd = grey.width(); x < xEnd; ++x)
            dst[x] = src[x] > level ? kPaper : kInk;
    }
    const Components light = labelComponents(mask, kPaper, Connectivity::Four);
    if (light.count() == 0)
        return {};
    const auto largest = std::size_t(std::max_element(light.sizes.begin(), light.sizes.end()) - light.sizes.begin());
    std::vector<char> others(light.sizes.size(), 1);
    others[largest] = 0;
    paintParts(mask, light, others, kInk);
    // The dark parts that do not reach the border are holes in the sheet.
    const Components dark = labelComponents(mask, kInk, Connectivity::Four);
    std::vector<char> holes(dark.sizes.size(), 1);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0, xEnd = mask.width(); x < xEnd; ++x) {
            const bool border = x == 0 || y == 0 || x == mask.width() - 1 || y == mask.height() - 1;
            if (border && dark.at(x, y) >= 0)
                holes[std::size_t(dark.at(x, y))] = 0;
        }
    }
    paintParts(mask, dark, holes, kPaper);
    return mask;
}

// Most of the picture's border darker than `level`: the cheap first test.
bool darkBorder(const QImage& grey, int level)
{
    const int w = grey.width(), h = grey.height();
    qint64 dark = 0;
    for (int x = 0; x < w; ++x)
        dark += (grey.constScanLine(0)[x] <= level) + (grey.constScanLine(h - 1)[x] <= level);
    for (int y = 0; y < h; ++y)
        dark += (grey.constScanLine(y)[0] <= level) + (grey.constScanLine(y)[w - 1] <= level);
    return dark >= kDarkBorder * 2 * (w + h);
}

bool surroundedByTable(const QImage& mask)
{
    const int w = mask.width(), h = mask.height();
    qint64 table = 0, borderTable = 0, border = 0;
    for (int y = 0; y < h; ++y) {
        const uchar* row = mask.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const bool isTable = row[x] == kInk;
            table += isTable;
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                ++border, borderTable += isTable;
        }
    }
    const double thickness = double(table) / (2.0 * (w + h));
    return double(qint64(w) * h - table) >= kMinSheetShare * w * h && borderTable >= kDarkBorder * border &&
           thickness >= kMinSurround * std::min(w, h);
}

// v = a + b t
struct Line {
    double a = 0;
    double b = 0;
};

std::optional<Line> leastSquares(const std::vector<QPointF>& points)
{
    double n = 0, st = 0, sv = 0, stt = 0, stv = 0;
    for (const QPointF p : points)
        n += 1, st += p.x(), sv += p.y(), stt += p.x() * p.x(), stv += p.x() * p.y();
    const double d = n * stt - st * st;
    if (n < 2 || std::abs(d) < 1e-9)
        return std::nullopt;
    const double b = (n * stv - st * sv) / d;
    return Line{(sv - b * st) / n, b};
}

// A line through `points`, fitted again without the points far off it (the
// corners, a hand or a shadow on the sheet's edge).
std::optional<Line> edgeLine(std::vector<QPointF> points)
{
    for (int round = 0; round < 3; ++round) {
        if (int(points.size()) < kMinEdgePoints)
            return std::nullopt;
        const std::optional<Line> line = leastSquares(points);
        if (!line)
            return std::nullopt;
        std::vector<double> off;
        for (const QPointF p : points)
            off.push_back(std::abs(p.y() - line->a - line->b * p.x()));
        std::vector<double> sorted = off;
        std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2), sorted.end());
        const double limit = std::max(1.5, 3 * sorted[sorted.size() / 2]);
        std::vector<QPointF> kept;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (off[i] <= limit)
                kept.push_back(points[i]);
        }
        if (round == 2 || kept.size() == points.size())
            return leastSquares(kept);
        points = std::move(kept);
    }
    return std::nullopt;
}

// The boundary points of one side: for each row (or column, `across`) in the
// middle of the sheet, its first sheet pixel from that side, unless the sheet
// runs to the picture's edge there.
std::vector<QPointF> sidePoints(const QImage& mask, bool across, bool fromEnd)
{
    const QImage m = across ? transposed(mask) : mask;
    std::vector<QPointF> points;
    const int lines = m.height(), length = m.width();
    for (int y = int(lines * kEdgeMiddle); y < int(lines * (1 - kEdgeMiddle)); ++y) {
        const uchar* row = m.constScanLine(y);
        int x = fromEnd ? length - 1 : 0;
        const int step = fromEnd ? -1 : 1;
        while (x >= 0 && x < length && row[x] != kPaper)
            x += step;
        if (x > 0 && x < length - 1)
            points.emplace_back(y, x);
    }
    return points;
}

// Where two sides meet: x = l.a + l.b y (left or right) and y = t.a + t.b x
// (top or bottom); kept within a picture's size of `picture`, so that sides
// fitted nearly parallel give a corner no cut can overflow on.
QPointF corner(const Line& side, const Line& end, const QRectF& picture)
{
    const double across = 1 - side.b * end.b;
    const double x = std::abs(across) > 1e-3 ? (side.a + side.b * end.a) / across : picture.center().x();
    const QRectF bounds = picture.adjusted(-picture.width(), -picture.height(), picture.width(), picture.height());
    return {std::clamp(x, bounds.left(), bounds.right()), std::clamp(end.a + end.b * x, bounds.top(), bounds.bottom())};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Sheet sheetOf(const QImage& mask)
{
    const std::optional<Line> left = edgeLine(sidePoints(mask, false, false));
    const std::optional<Line> right = edgeLine(sidePoints(mask, false, true));
    const std::optional<Line> top = edgeLine(sidePoints(mask, true, false));
    const std::optional<Line> bottom = edgeLine(sidePoints(mask, true, true));
    std::vector<double> angles;
    for (const auto& side : {left, right})
        if (side)
            angles.push_back(-std::atan(side->b) * 180 / M_PI);
    for (const auto& end : {top, bottom})
        if (end)
            angles.push_back(std::atan(end->b) * 180 / M_PI);
    Sheet sheet;
    sheet.tilt = angles.empty() ? 0 : median(angles);
    if (std::abs(sheet.tilt) > kMaxTilt)
        sheet.tilt = 0;
    const Line l = left.value_or(Line{0, 0}), r = right.value_or(Line{double(mask.width()), 0});
    const Line t = top.value_or(Line{0, 0}), b = bottom.value_or(Line{double(mask.height()), 0});
    const QRectF picture(mask.rect());
    sheet.corners << corner(l, t, picture) << corner(r, t, picture) << corner(r, b, picture) << corner(l, b, picture);
    return sheet;
}

double polygonArea(const QPolygonF& p)
{
    double twice = 0;
    for (int i = 0; i < p.size(); ++i)
        twice += p[i].x() * p[(i + 1) % p.size()].y() - p[(i + 1) % p.size()].x() * p[i].y();
    return std::abs(twice) / 2;
}

// The sheet fills its four sides (a wavy horizon is no sheet), and is paper
// coloured (a blue sky is no sheet either).
bool looksLikePaper(const QImage& tone, const QImage& mask, const Sheet& sheet)
{
    qint64 area = 0;
    std::array<qint64, 256> spread{};
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* m = mask.constScanLine(y);
        const auto* rgb = reinterpret_cast<const QRgb*>(tone.constScanLine(y));
        for (int x = 0, xEnd = mask.width(); x < xEnd; ++x) {
            if (m[x] != kPaper)
                continue;
            ++area;
            const QRgb p = rgb[x];
            ++spread[std::size_t(std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}))];
        }
    }
    qint64 grey = 0;
    for (std::size_t v = 0; v < std::size_t(kSheetColour); ++v)
        grey += spread[v];
    const double expected = polygonArea(sheet.corners);
    return std::abs(double(area) - expected) <= kShapeMismatch * expected && 2 * grey > area;
}

} // namespace

std::optional<Sheet> findSheet(const QImage& tone)
{
    // The border tells most pictures apart before any closing: lines hardly change it.
    const QImage grey = toGrey(tone);
    if (grey.isNull())
        return std::nullopt;
    const Split first = otsu(grey);
    if (first.light - first.dark < kSheetContrast || !darkBorder(grey, first.level))
        return std::nullopt;
    const QImage closed = closing(grey, kLineClosing);
    const Split split = otsu(closed);
    if (split.light - split.dark < kSheetContrast || !darkBorder(closed, split.level))
        return std::nullopt;
    const QImage mask = sheetMask(closed, split.level);
    if (mask.isNull() || !surroundedByTable(mask))
        return std::nullopt;
    const Sheet sheet = sheetOf(mask);
    if (!looksLikePaper(tone, mask, sheet))
        return std::nullopt;
    return sheet;
}

QImage cutOutSheet(const QImage& picture, const Sheet& sheet, double scale)
{
    QTransform upright;
    const QPolygonF corners = QTransform::fromScale(scale, scale).map(sheet.corners);
    const QPointF centre = corners.boundingRect().center();
    if (std::abs(sheet.tilt) >= kLeastTilt)
        upright.translate(centre.x(), centre.y()).rotate(-sheet.tilt).translate(-centre.x(), -centre.y());
    const QPolygonF turned = upright.map(corners);
    QRectF inside(QPointF(std::max(turned[0].x(), turned[3].x()), std::max(turned[0].y(), turned[1].y())),
                  QPointF(std::min(turned[1].x(), turned[2].x()), std::min(turned[2].y(), turned[3].y())));
    inside = inside.marginsRemoved(QMarginsF(inside.width(), inside.height(), inside.width(), inside.height()) * kSheetInset);
    const QRect cut = inside.toAlignedRect() & QRect(QPoint(0, 0), picture.size());
    if (cut.isEmpty())
        return {};
    QImage out(cut.size(), QImage::Format_RGB32);
    if (out.isNull())
        return {};
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(upright * QTransform::fromTranslate(-cut.left(), -cut.top()));
    painter.drawImage(0, 0, picture);
    return out;
}

} // namespace importer
