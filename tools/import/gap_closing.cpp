// Closing gaps in outlines: straight jumps over paper from ink to ink, kept
// where they separate areas, and there only the shortest ones.
#include "clean_page.h"

#include "components.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace importer {
namespace {

// A jump from an ink pixel to the pixel (dx, dy) away, over the pixels of
// the digital segment between them.
struct Jump {
    int dx;
    int dy;
    int length2;
    std::vector<QPoint> between;
};

// A jump found on the picture: from (x, y), by jumps[jump].
struct Bridge {
    int x;
    int y;
    int jump;
};

// Every jump over 1..gap pixels, one direction of each pair.
std::vector<Jump> jumpsUpTo(int gap)
{
    std::vector<Jump> jumps;
    for (int n = 2; n <= gap + 1; ++n) {
        for (int dy = 0; dy <= n; ++dy) {
            for (int dx = -n; dx <= n; ++dx) {
                if (std::max(std::abs(dx), dy) != n || (dy == 0 && dx < 0))
                    continue;
                Jump jump{dx, dy, dx * dx + dy * dy, {}};
                for (int i = 1; i < n; ++i)
                    jump.between.emplace_back(int(std::lround(double(i) * dx / n)), int(std::lround(double(i) * dy / n)));
                jumps.push_back(std::move(jump));
            }
        }
    }
    return jumps;
}

// Plain reads of a line picture's pixels, for the loops over every ink pixel.
struct View {
    explicit View(const QImage& lines)
        : bits(lines.constBits()), stride(lines.bytesPerLine()), width(lines.width()), height(lines.height())
    {
    }
    uchar at(int x, int y) const { return bits[y * stride + x]; }

    const uchar* bits;
    qsizetype stride;
    int width;
    int height;
};

bool besidePaper(const View& lines, int x, int y)
{
    for (int v = std::max(0, y - 1); v <= std::min(lines.height - 1, y + 1); ++v) {
        for (int u = std::max(0, x - 1); u <= std::min(lines.width - 1, x + 1); ++u) {
            if (lines.at(u, v) == kPaper)
                return true;
        }
    }
    return false;
}

bool jumpsOverPaper(const View& lines, int x, int y, const Jump& jump)
{
    const int tx = x + jump.dx;
    const int ty = y + jump.dy;
    if (tx < 0 || tx >= lines.width || ty >= lines.height || lines.at(tx, ty) != kInk)
        return false;
    for (const QPoint step : jump.between) {
        if (lines.at(x + step.x(), y + step.y()) != kPaper)
            return false;
    }
    return true;
}

std::vector<Bridge> findBridges(const QImage& picture, const std::vector<Jump>& jumps)
{
    const View lines(picture);
    std::vector<Bridge> bridges;
    for (int y = 0; y < lines.height; ++y) {
        for (int x = 0; x < lines.width; ++x) {
            if (lines.at(x, y) != kInk || !besidePaper(lines, x, y))
                continue;
            for (std::size_t j = 0; j < jumps.size(); ++j) {
                if (jumpsOverPaper(lines, x, y, jumps[j]))
                    bridges.push_back({x, y, int(j)});
            }
        }
    }
    return bridges;
}

void draw(QImage& picture, const Bridge& bridge, const Jump& jump)
{
    for (const QPoint step : jump.between)
        picture.scanLine(bridge.y + step.y())[bridge.x + step.x()] = kInk;
}

// The large areas a piece of bridges touches: a pixel of the first one and,
// when it touches another, a pixel of that one.
struct Sides {
    int first = -1;
    QPoint firstAt;
    bool separates = false;
    QPoint otherAt;

    void add(int area, QPoint at)
    {
        if (first < 0) {
            first = area;
            firstAt = at;
        } else if (area != first && !separates) {
            separates = true;
            otherAt = at;
        }
    }
};

std::vector<Sides> sidesOf(const Components& pieces, const Components& areas, int minArea)
{
    std::vector<Sides> sides(static_cast<std::size_t>(pieces.count()));
    const int w = pieces.width;
    const int h = w > 0 ? static_cast<int>(pieces.labels.size()) / w : 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int piece = pieces.at(x, y);
            if (piece < 0)
                continue;
            for (const QPoint n : {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h)
                    continue;
                const int area = areas.at(n.x(), n.y());
                if (area >= 0 && areas.sizes[static_cast<std::size_t>(area)] >= minArea)
                    sides[static_cast<std::size_t>(piece)].add(area, n);
            }
        }
    }
    return sides;
}

int pieceOf(const Components& pieces, const Bridge& bridge, const Jump& jump)
{
    const QPoint first = jump.between.front();
    return pieces.at(bridge.x + first.x(), bridge.y + first.y());
}

// Draws into `lines`, for every separating piece, its shortest bridges.
void drawShortest(QImage& lines, const std::vector<Bridge>& bridges, const std::vector<Jump>& jumps,
                  const Components& pieces, const std::vector<Sides>& sides)
{
    std::vector<int> shortest(sides.size(), INT_MAX);
    for (const Bridge& bridge : bridges) {
        auto& s = shortest[static_cast<std::size_t>(pieceOf(pieces, bridge, jumps[std::size_t(bridge.jump)]))];
        s = std::min(s, jumps[std::size_t(bridge.jump)].length2);
    }
    for (const Bridge& bridge : bridges) {
        const Jump& jump = jumps[std::size_t(bridge.jump)];
        const auto piece = static_cast<std::size_t>(pieceOf(pieces, bridge, jump));
        if (sides[piece].separates && jump.length2 == shortest[piece])
            draw(lines, bridge, jump);
    }
}

} // namespace

int closeGaps(QImage& lines, int gap, int minArea)
{
    Q_ASSERT(gap <= kMaxGap);
    if (gap <= 0)
        return 0;
    const std::vector<Jump> jumps = jumpsUpTo(gap);
    const std::vector<Bridge> bridges = findBridges(lines, jumps);
    QImage everything = lines;
    QImage added(lines.size(), QImage::Format_Grayscale8);
    added.fill(kPaper);
    for (const Bridge& bridge : bridges) {
        draw(everything, bridge, jumps[std::size_t(bridge.jump)]);
        draw(added, bridge, jumps[std::size_t(bridge.jump)]);
    }
    const Components pieces = labelComponents(added, kInk, Connectivity::Eight);
    const std::vector<Sides> sides = sidesOf(pieces, labelComponents(everything, kPaper, Connectivity::Four), minArea);
    QImage closed = lines;
    drawShortest(closed, bridges, jumps, pieces, sides);
    // Where the shortest bridges leave the two sides of a piece joined, the whole piece goes in.
    const Components areas = labelComponents(closed, kPaper, Connectivity::Four);
    std::vector<char> whole(sides.size());
    std::vector<char> separating(sides.size());
    for (std::size_t i = 0; i < sides.size(); ++i) {
        separating[i] = sides[i].separates;
        whole[i] = sides[i].separates &&
                   areas.at(sides[i].firstAt.x(), sides[i].firstAt.y()) ==
                       areas.at(sides[i].otherAt.x(), sides[i].otherAt.y());
    }
    paintParts(closed, pieces, whole, kInk);
    lines = closed;
    return countChosen(separating);
}

} // namespace importer
