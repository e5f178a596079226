// Fitting the paper's light: bright samples of small cells, a robust quadratic
// surface per channel, and every pixel divided by it row by row.
#include "paper.h"

#include "clean_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace importer {
namespace {

constexpr int kCell = 8;          // pixels a side of the cells the paper is sampled in
constexpr int kBrightShare = 15;  // a cell's paper: its brightest 15 % (lines and dust are darker)
// Each fit keeps the cells no further below the surface than this, in grey
// levels: the first fits run through paper and fills alike, the later ones
// settle on the paper.
constexpr std::array<double, 5> kBelowSurface = {60, 40, 25, 15, 10};
constexpr double kFirstPaper = 0.7;   // the first fit: cells at least this share of the paper level
constexpr double kDarkestLight = 0.5; // the paper is never taken darker than this share of its level

// A cell's brightest pixels: where it lies (-1..1 across the picture) and their mean.
struct Cell {
    double x, y;
    std::array<double, 4> value; // luminance, red, green, blue
};

// value = c0 + c1 x + c2 y + c3 x² + c4 xy + c5 y²
struct Surface {
    std::array<double, 6> c{};
    double at(double x, double y) const { return c[0] + c[1] * x + c[2] * y + c[3] * x * x + c[4] * x * y + c[5] * y * y; }
};

std::array<double, 6> basis(double x, double y) { return {1, x, y, x * x, x * y, y * y}; }

Cell cellAt(const QImage& tone, const QRect& r, std::vector<int>& lums)
{
    lums.clear();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(tone.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            lums.push_back(luminance(row[x]));
    }
    auto nth = lums.begin() + std::ptrdiff_t(lums.size() * (100 - kBrightShare) / 100);
    std::nth_element(lums.begin(), nth, lums.end());
    const int threshold = *nth;
    std::array<double, 4> sum{};
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(tone.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            if (luminance(row[x]) < threshold)
                continue;
            sum[0] += luminance(row[x]), sum[1] += qRed(row[x]), sum[2] += qGreen(row[x]), sum[3] += qBlue(row[x]);
            ++n;
        }
    }
    Cell cell{2.0 * (r.center().x() + 0.5) / tone.width() - 1, 2.0 * (r.center().y() + 0.5) / tone.height() - 1, {}};
    for (std::size_t k = 0; k < 4; ++k)
        cell.value[k] = sum[k] / n;
    return cell;
}

std::vector<Cell> cellsOf(const QImage& tone)
{
    std::vector<Cell> cells;
    std::vector<int> lums;
    for (int y = 0; y < tone.height(); y += kCell) {
        for (int x = 0, xEnd = tone.width(); x < xEnd; x += kCell)
            cells.push_back(cellAt(tone, QRect(x, y, kCell, kCell) & tone.rect(), lums));
    }
    return cells;
}

// The normal equations of the least squares (six rows, right-hand side last).
using Equations = std::array<std::array<double, 7>, 6>;

// Gauss-Jordan elimination with partial pivoting; false when the equations
// do not fix a quadratic (too few cells, or all in a line).
bool solve(Equations& m, double tiny, Surface& surface)
{
    for (std::size_t col = 0; col < 6; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < 6; ++r) {
            if (std::abs(m[r][col]) > std::abs(m[pivot][col]))
                pivot = r;
        }
        if (std::abs(m[pivot][col]) < tiny)
            return false;
        std::swap(m[col], m[pivot]);
        for (std::size_t r = 0; r < 6; ++r) {
            const double f = r == col ? 0 : m[r][col] / m[col][col];
            for (std::size_t c = col; c < 7; ++c)
                m[r][c] -= f * m[col][c];
        }
    }
    for (std::size_t r = 0; r < 6; ++r)
        surface.c[r] = m[r][6] / m[r][r];
    return true;
}

// Least squares through the kept cells; a flat surface at their mean when
// they do not fix a quadratic.
Surface fitted(const std::vector<Cell>& cells, const std::vector<char>& keep, std::size_t channel)
{
    Equations m{};
    double sum = 0;
    int n = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!keep[i])
            continue;
        const auto b = basis(cells[i].x, cells[i].y);
        for (std::size_t r = 0; r < 6; ++r) {
            for (std::size_t c = 0; c < 6; ++c)
                m[r][c] += b[r] * b[c];
            m[r][6] += b[r] * cells[i].value[channel];
        }
        sum += cells[i].value[channel];
        ++n;
    }
    Surface surface;
    if (!solve(m, 1e-6 * std::max(1, n), surface)) {
        surface = Surface{};
        surface.c[0] = n > 0 ? sum / n : 255;
    }
    return surface;
}

std::vector<char> paperCells(const std::vector<Cell>& cells, int level)
{
    std::vector<char> keep(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i)
        keep[i] = cells[i].value[0] >= kFirstPaper * level;
    for (double below : kBelowSurface) {
        const Surface s = fitted(cells, keep, 0);
        std::vector<char> next(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i)
            next[i] = cells[i].value[0] >= s.at(cells[i].x, cells[i].y) - below;
        if (std::find(next.begin(), next.end(), 1) == next.end())
            break;
        keep = std::move(next);
    }
    return keep;
}

// The surface along row y: c(x) = a + x (b + c x), x running -1..1 across.
struct RowCurve {
    double a, b, c;
    RowCurve(const Surface& s, double y) : a(s.c[0] + s.c[2] * y + s.c[5] * y * y), b(s.c[1] + s.c[4] * y), c(s.c[3]) {}
    double at(double x) const { return a + x * (b + c * x); }
};

// Each value of `in` (`value(row, x)` on its rows) divided by the surface,
// 255 for the paper's own brightness.
template <class Value>
QImage divided(const QImage& in, const Surface& s, double floor, Value value)
{
    QImage out(in.size(), QImage::Format_Grayscale8);
    if (out.isNull())
        return {};
    const double step = 2.0 / in.width();
    for (int y = 0; y < in.height(); ++y) {
        const RowCurve curve(s, 2.0 * (y + 0.5) / in.height() - 1);
        const uchar* row = in.constScanLine(y);
        uchar* dst = out.scanLine(y);
        for (int x = 0, xEnd = in.width(); x < xEnd; ++x) {
            const double light = std::clamp(curve.at((x + 0.5) * step - 1), floor, 255.0);
            dst[x] = static_cast<uchar>(std::min(255.0, value(row, x) * 255.0 / light + 0.5));
        }
    }
    return out;
}

} // namespace

AgainstPaper againstPaper(const WorkingPicture& picture)
{
    if (picture.tone.isNull() || picture.darkest.isNull())
        return {};
    const int level = paperLevel(toGrey(picture.tone));
    if (level < 0)
        return {};
    const std::vector<Cell> cells = cellsOf(picture.tone);
    const std::vector<char> keep = paperCells(cells, level);
    const double floor = std::max(1.0, kDarkestLight * level);
    auto channel = [](int shift) {
        return [shift](const uchar* row, int x) { return int((reinterpret_cast<const QRgb*>(row)[x] >> shift) & 0xFF); };
    };
    AgainstPaper result;
    result.red = divided(picture.tone, fitted(cells, keep, 1), floor, channel(16));
    result.green = divided(picture.tone, fitted(cells, keep, 2), floor, channel(8));
    result.blue = divided(picture.tone, fitted(cells, keep, 3), floor, channel(0));
    result.darkest = divided(picture.darkest, fitted(cells, keep, 0), floor, [](const uchar* row, int x) { return int(row[x]); });
    if (result.red.isNull() || result.green.isNull() || result.blue.isNull())
        return {};
    return result;
}

} // namespace importer
