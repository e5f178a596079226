// The self-colouring drawing of the splash window, drawn by code.
#include "splash/splash_drawing.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

const QRgb kPaper = qRgb(253, 253, 253);

QPointF polar(QPointF c, double r, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    return c + QPointF(r * std::cos(a), r * std::sin(a));
}

// Shapes are filled with paper and outlined, so each covers what lies beneath.
void shape(QPainter& p, const QPainterPath& path)
{
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void ellipse(QPainter& p, QPointF c, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    shape(p, path);
}

void polygon(QPainter& p, const QPolygonF& points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    shape(p, path);
}

void dot(QPainter& p, QPointF c, double r)
{
    p.setBrush(Qt::black);
    p.drawEllipse(c, r, r);
}

void sun(QPainter& p)
{
    const QPointF c(80, 80);
    for (int i = 0; i < 10; ++i)
        polygon(p, {polar(c, 40, 36.0 * i - 14), polar(c, 68, 36.0 * i), polar(c, 40, 36.0 * i + 14)});
    ellipse(p, c, 44, 44);
}

void cloud(QPainter& p, QPointF c, double s)
{
    QPainterPath path(c + QPointF(-s, s * 0.3));
    path.cubicTo(c + QPointF(-s * 1.3, -s * 0.2), c + QPointF(-s * 0.7, -s * 0.8), c + QPointF(-s * 0.3, -s * 0.45));
    path.cubicTo(c + QPointF(-s * 0.2, -s * 1.1), c + QPointF(s * 0.6, -s * 1.0), c + QPointF(s * 0.5, -s * 0.3));
    path.cubicTo(c + QPointF(s * 1.2, -s * 0.5), c + QPointF(s * 1.3, s * 0.3), c + QPointF(s * 0.9, s * 0.3));
    path.closeSubpath();
    shape(p, path);
}

void house(QPainter& p)
{
    QPainterPath wall;
    wall.addRect(QRectF(20, 250, 150, 140));
    shape(p, wall);
    polygon(p, {QPointF(5, 255), QPointF(95, 165), QPointF(185, 255)});
    QPainterPath door;
    door.addRoundedRect(QRectF(75, 310, 42, 80), 8, 8);
    shape(p, door);
    for (double x : {32.0, 128.0}) {
        QPainterPath window;
        window.addRect(QRectF(x, 275, 32, 32));
        shape(p, window);
        p.drawLine(QPointF(x + 16, 275), QPointF(x + 16, 307));
    }
}

void tree(QPainter& p)
{
    polygon(p, {QPointF(205, 392), QPointF(214, 300), QPointF(232, 300), QPointF(242, 392)});
    QPainterPath crown;
    crown.addEllipse(QPointF(223, 268), 48, 56);
    shape(p, crown);
    for (QPointF apple : {QPointF(205, 250), QPointF(240, 240), QPointF(225, 285)})
        ellipse(p, apple, 9, 9);
}

void flower(QPainter& p, QPointF g, double s)
{
    p.drawLine(g, g - QPointF(0, s * 2.2));
    const QPointF head = g - QPointF(0, s * 2.2);
    for (int i = 0; i < 5; ++i)
        ellipse(p, polar(head, s * 0.75, 72.0 * i - 90), s * 0.5, s * 0.5);
    ellipse(p, head, s * 0.45, s * 0.45);
}

void child(QPainter& p)
{
    const QPointF c(360, 250);
    p.drawLine(c + QPointF(62, 10), QPointF(462, 146));                 // the balloon's string
    ellipse(p, QPointF(462, 110), 30, 36);
    polygon(p, {QPointF(345, 378), QPointF(340, 430), QPointF(352, 430), QPointF(357, 378)}); // legs
    polygon(p, {QPointF(366, 378), QPointF(370, 430), QPointF(382, 430), QPointF(378, 378)});
    ellipse(p, QPointF(340, 436), 16, 9);                               // shoes
    ellipse(p, QPointF(384, 436), 16, 9);
    polygon(p, {c + QPointF(-20, 20), c + QPointF(-70, 75), c + QPointF(-62, 84), c + QPointF(-12, 38)}); // arms
    polygon(p, {c + QPointF(20, 20), c + QPointF(62, 4), c + QPointF(66, 15), c + QPointF(24, 38)});
    ellipse(p, c + QPointF(-68, 82), 10, 10);                            // hands
    ellipse(p, c + QPointF(66, 9), 10, 10);
    polygon(p, {c + QPointF(-22, 12), c + QPointF(22, 12), c + QPointF(55, 130), c + QPointF(-55, 130)}); // dress
    ellipse(p, c + QPointF(0, 70), 10, 10);                              // a button
    ellipse(p, c + QPointF(0, -35), 48, 44);                             // hair
    ellipse(p, c + QPointF(-50, 0), 13, 22);                             // bunches
    ellipse(p, c + QPointF(50, 0), 13, 22);
    ellipse(p, c + QPointF(0, -22), 38, 34);                             // face
    dot(p, c + QPointF(-13, -28), 4);
    dot(p, c + QPointF(13, -28), 4);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 16, c.y() - 28, 32, 24), 200 * 16, 140 * 16);
}

void scene(QPainter& p)
{
    sun(p);
    cloud(p, QPointF(240, 70), 45);
    cloud(p, QPointF(350, 130), 32);
    QPainterPath ground(QPointF(-5, 390));
    ground.cubicTo(QPointF(150, 360), QPointF(350, 420), QPointF(525, 380));
    ground.lineTo(525, 535);
    ground.lineTo(-5, 535);
    ground.closeSubpath();
    shape(p, ground);
    house(p);
    tree(p);
    for (QPointF g : {QPointF(40, 470), QPointF(110, 455), QPointF(180, 478), QPointF(260, 462)})
        flower(p, g, 20);
    child(p);
}

bool ink(const QImage& image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height()
        && (image.constScanLine(y)[4 * x] | image.constScanLine(y)[4 * x + 1] | image.constScanLine(y)[4 * x + 2]) == 0;
}

bool inInkBlock(const QImage& image, int x, int y)
{
    for (int by = y - 1; by <= y; ++by)
        for (int bx = x - 1; bx <= x; ++bx)
            if (ink(image, bx, by) && ink(image, bx + 1, by) && ink(image, bx, by + 1) && ink(image, bx + 1, by + 1))
                return true;
    return false;
}

// Where a line leaves the picture or crosses another one it can come out one
// pixel thin; those pixels grow into a 2 x 2 block.
void thickenThinLines(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!ink(image, x, y) || inInkBlock(image, x, y))
                continue;
            const int bx = x + 1 < image.width() ? x : x - 1, by = y + 1 < image.height() ? y : y - 1;
            for (int j = by; j <= by + 1; ++j)
                for (int i = bx; i <= bx + 1; ++i)
                    image.setPixel(i, j, qRgb(0, 0, 0));
        }
    }
}

// The paper area around `start` (4-connected), marking its pixels in `seen`.
std::vector<QPoint> paperArea(const QImage& image, QPoint start, std::vector<char>& seen)
{
    std::vector<QPoint> area{start};
    seen[std::size_t(start.y()) * image.width() + start.x()] = 1;
    for (std::size_t i = 0; i < area.size(); ++i) {
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = area[i] + d;
            if (!image.rect().contains(q) || ink(image, q.x(), q.y()))
                continue;
            char& s = seen[std::size_t(q.y()) * image.width() + q.x()];
            if (!s) {
                s = 1;
                area.push_back(q);
            }
        }
    }
    return area;
}

// Specks of paper left where lines cross at a sharp angle become ink.
void fillSpecks(QImage& image)
{
    constexpr std::size_t kSpeck = 24;
    std::vector<char> seen(std::size_t(image.width()) * image.height(), 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[std::size_t(y) * image.width() + x] || ink(image, x, y))
                continue;
            const std::vector<QPoint> area = paperArea(image, QPoint(x, y), seen);
            if (area.size() < kSpeck) {
                for (QPoint q : area)
                    image.setPixel(q, qRgb(0, 0, 0));
            }
        }
    }
}

} // namespace

QImage splashDrawing()
{
    QImage image(518, 528, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        scene(p);
    }
    // Exactly two colours: the paper colour and pure black.
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = (row[x] & 0xFFFFFFu) == 0xFFFFFFu ? kPaper : qRgb(0, 0, 0);
    }
    thickenThinLines(image);
    fillSpecks(image);
    return image;
}
