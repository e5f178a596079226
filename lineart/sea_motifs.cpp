// Things of the sea shared by its pages: fish, weed, waves, shells, boats.
#include "lineart/sea_motifs.h"

#include "lineart/motifs.h"

#include <cmath>

namespace lineart {

void fish(QPainter& p, QPointF c, double s, bool left)
{
    const double d = left ? -1 : 1;
    polygon(p, {c + QPointF(-d * s * 0.8, 0), c + QPointF(-d * s * 1.4, -s * 0.55), c + QPointF(-d * s * 1.4, s * 0.55)});
    polygon(p, {c + QPointF(-d * s * 0.3, -s * 0.45), c + QPointF(-d * s * 0.1, -s * 0.85), c + QPointF(d * s * 0.3, -s * 0.5)});
    ellipse(p, c, s, s * 0.58);
    QPainterPath gill(c + QPointF(d * s * 0.45, -s * 0.4));
    gill.quadTo(c + QPointF(d * s * 0.3, 0), c + QPointF(d * s * 0.45, s * 0.4));
    stroke(p, gill);
    circle(p, c + QPointF(d * s * 0.65, -s * 0.12), s * 0.14);
    dot(p, c + QPointF(d * s * 0.68, -s * 0.12), s * 0.06);
    for (double x : {-0.35, 0.0})
        line(p, c + QPointF(d * s * x, -s * 0.25), c + QPointF(d * s * x, s * 0.25));
}

void seaweed(QPainter& p, QPointF root, double h, double sway)
{
    QPainterPath weed(root + QPointF(-18, 0));
    weed.cubicTo(root + QPointF(-18 + sway, -h * 0.35), root + QPointF(-18 - sway, -h * 0.65), root + QPointF(sway * 0.3, -h));
    weed.cubicTo(root + QPointF(18 - sway, -h * 0.65), root + QPointF(18 + sway, -h * 0.35), root + QPointF(18, 0));
    weed.closeSubpath();
    shape(p, weed);
}

void bubbles(QPainter& p, QPointF bottom, int count, double s)
{
    for (int i = 0; i < count; ++i)
        circle(p, bottom + QPointF((i % 2 ? 1 : -1) * s * 0.6, -i * s * 2.6), s * (1 - 0.12 * i));
}

void waves(QPainter& p, double y, int count, double h)
{
    // From edge to edge of the page drawn on.
    const int width = p.device()->width(), height = p.device()->height();
    QPainterPath sea(QPointF(-20, height + 20));
    sea.lineTo(-20, y);
    const double step = (width + 40.0) / count;
    for (int i = 0; i < count; ++i)
        sea.quadTo(-20 + step * (i + 0.5), y - h, -20 + step * (i + 1), y);
    sea.lineTo(width + 20, height + 20);
    sea.closeSubpath();
    shape(p, sea);
}

void sand(QPainter& p, double y) { hills(p, y, 18, 3); }

void starfish(QPainter& p, QPointF c, double s, double turn)
{
    shape(p, turned(starPath(c, s, s * 0.45, 5), c, turn));
    circle(p, c, s * 0.2);
}

void shell(QPainter& p, QPointF b, double s)
{
    QPainterPath fan(b);
    fan.arcTo(QRectF(b.x() - s, b.y() - s, 2 * s, 2 * s), 180, -180);
    fan.closeSubpath();
    shape(p, fan);
    for (double a : {50.0, 90.0, 130.0})
        line(p, b, b + QPointF(s * 0.95 * std::cos(a * M_PI / 180), -s * 0.95 * std::sin(a * M_PI / 180)));
}

void sailboat(QPainter& p, QPointF w, double s)
{
    line(p, w + QPointF(0, -s * 0.2), w + QPointF(0, -s * 1.9));
    polygon(p, {w + QPointF(0, -s * 1.85), w + QPointF(s * 0.3, -s * 1.75), w + QPointF(0, -s * 1.65)});
    polygon(p, {w + QPointF(s * 0.05, -s * 1.6), w + QPointF(s * 0.8, -s * 0.35), w + QPointF(s * 0.05, -s * 0.35)});
    polygon(p, {w + QPointF(-s * 0.05, -s * 1.4), w + QPointF(-s * 0.6, -s * 0.35), w + QPointF(-s * 0.05, -s * 0.35)});
    polygon(p, {w + QPointF(-s, -s * 0.25), w + QPointF(s, -s * 0.25), w + QPointF(s * 0.7, s * 0.1), w + QPointF(-s * 0.7, s * 0.1)});
    for (double x : {-0.4, 0.0, 0.4})
        circle(p, w + QPointF(s * x, -s * 0.08), s * 0.07);
}

} // namespace lineart
