// Synthetic colouring pages: circles drawn with a 2-pixel pen, and mazes carved cell by cell.
#include "bench_pages.h"

#include "platform/fill/span_fill.h"

#include <QPainter>

#include <cstdlib>
#include <map>
#include <random>
#include <tuple>
#include <vector>

namespace bench {
namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

struct Area {
    QPoint seed;
    int size;
};

QImage framedPage(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(kWhite);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return page;
}

void drawCircles(QImage& page, std::mt19937& rng, int count, int minRadius, int maxRadius)
{
    std::uniform_int_distribution<int> xs(0, page.width() - 1);
    std::uniform_int_distribution<int> ys(0, page.height() - 1);
    std::uniform_int_distribution<int> rs(minRadius, maxRadius);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 2));
    for (int i = 0; i < count; ++i) {
        const int r = rs(rng);
        painter.drawEllipse(QPoint(xs(rng), ys(rng)), r, r);
    }
}

// Every white area of the page, found by filling a copy area by area.
std::vector<Area> whiteAreas(const QImage& page)
{
    QImage work = page.copy();
    std::vector<Area> areas;
    std::vector<platform::Span> spans;
    for (int y = 0; y < work.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(work.constScanLine(y));
        for (int x = 0; x < work.width(); ++x) {
            if ((row[x] & 0xFFFFFF) != (kWhite & 0xFFFFFF))
                continue;
            spans.clear();
            const QRgb label = qRgb(1, 2, static_cast<int>(areas.size() % 200) + 3);
            platform::floodFillSurface(work, QPoint(x, y), kWhite, label, &spans);
            int size = 0;
            for (const platform::Span& s : spans)
                size += s.x1 - s.x0 + 1;
            areas.push_back({QPoint(x, y), size});
            row = reinterpret_cast<const QRgb*>(work.constScanLine(y));
        }
    }
    return areas;
}

Scene bigScene(QSize size)
{
    std::mt19937 rng(1);
    Scene s{framedPage(size), QPoint(1, 1), 0, 0};
    drawCircles(s.page, rng, 12, 4, 12);
    const auto areas = whiteAreas(s.page);
    s.area = areas.front().size;
    s.areas = static_cast<int>(areas.size());
    return s;
}

// Circles are added until the page holds about 200 areas.
QImage areasPage(QSize size)
{
    std::mt19937 rng(2);
    QImage page = framedPage(size);
    const int side = std::min(size.width(), size.height());
    while (whiteAreas(page).size() < 200)
        drawCircles(page, rng, 5, side / 40, side / 6);
    return page;
}

Scene areaScene(QSize size, bool largest)
{
    Scene s{areasPage(size), {}, 0, 0};
    const auto areas = whiteAreas(s.page);
    const long target = largest ? static_cast<long>(size.width()) * size.height()
                                : static_cast<long>(size.width()) * size.height() / 50;
    const Area* best = &areas.front();
    for (const Area& a : areas) {
        if (std::labs(a.size - target) < std::labs(best->size - target))
            best = &a;
    }
    s.seed = best->seed;
    s.area = best->size;
    s.areas = static_cast<int>(areas.size());
    return s;
}

void setWhite(QImage& page, int x, int y)
{
    reinterpret_cast<QRgb*>(page.scanLine(y))[x] = kWhite;
}

// A perfect maze grown by a depth-first walk: every corridor is joined to every other.
Scene mazeScene(QSize size)
{
    const int cellsX = (size.width() - 1) / 2;
    const int cellsY = (size.height() - 1) / 2;
    QImage page(size, QImage::Format_RGB32);
    page.fill(kBlack);
    std::vector<bool> seen(static_cast<std::size_t>(cellsX) * static_cast<std::size_t>(cellsY), false);
    std::vector<int> stack{0};
    seen[0] = true;
    setWhite(page, 1, 1);
    std::mt19937 rng(3);
    const int dx[4] = {1, -1, 0, 0};
    const int dy[4] = {0, 0, 1, -1};
    while (!stack.empty()) {
        const int cx = stack.back() % cellsX, cy = stack.back() / cellsX;
        int options[4], n = 0;
        for (int d = 0; d < 4; ++d) {
            const int nx = cx + dx[d], ny = cy + dy[d];
            if (nx >= 0 && ny >= 0 && nx < cellsX && ny < cellsY && !seen[static_cast<std::size_t>(ny * cellsX + nx)])
                options[n++] = d;
        }
        if (n == 0) {
            stack.pop_back();
            continue;
        }
        const int d = options[std::uniform_int_distribution<int>(0, n - 1)(rng)];
        const int nx = cx + dx[d], ny = cy + dy[d];
        seen[static_cast<std::size_t>(ny * cellsX + nx)] = true;
        setWhite(page, 2 * nx + 1, 2 * ny + 1);
        setWhite(page, cx + nx + 1, cy + ny + 1);
        stack.push_back(ny * cellsX + nx);
    }
    Scene s{page, QPoint(1, 1), 0, 1};
    s.area = whiteAreas(page).front().size;
    return s;
}

Scene buildScene(SceneKind kind, QSize size)
{
    switch (kind) {
    case SceneKind::Big:
        return bigScene(size);
    case SceneKind::Largest:
        return areaScene(size, true);
    case SceneKind::Medium:
        return areaScene(size, false);
    case SceneKind::Maze:
        break;
    }
    return mazeScene(size);
}

} // namespace

QString sceneName(SceneKind kind)
{
    switch (kind) {
    case SceneKind::Big:
        return QStringLiteral("big");
    case SceneKind::Largest:
        return QStringLiteral("largest");
    case SceneKind::Medium:
        return QStringLiteral("medium");
    case SceneKind::Maze:
        break;
    }
    return QStringLiteral("maze");
}

const Scene& scene(SceneKind kind, QSize size)
{
    static std::map<std::tuple<int, int, int>, Scene> cache;
    const auto key = std::make_tuple(static_cast<int>(kind), size.width(), size.height());
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, buildScene(kind, size)).first;
    return it->second;
}

} // namespace bench
