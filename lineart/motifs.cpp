// Scenery shared by many pages: sun, clouds, hills, flowers, trees, houses.
#include "lineart/motifs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lineart {

void sun(QPainter& p, QPointF c, double r, int rays, bool face)
{
    for (int i = 0; i < rays; ++i) {
        const double a = 360.0 * i / rays;
        // Rays broad enough to stay worth colouring on an 800 x 600 screen.
        polygon(p, {polar(c, r * 0.88, a - 180.0 / rays * 0.9), polar(c, r * 1.85, a),
                    polar(c, r * 0.88, a + 180.0 / rays * 0.9)});
    }
    circle(p, c, r);
    if (face)
        smile(p, c, r);
}

void smile(QPainter& p, QPointF c, double r)
{
    dot(p, c + QPointF(-r * 0.35, -r * 0.2), r * 0.09);
    dot(p, c + QPointF(r * 0.35, -r * 0.2), r * 0.09);
    QPainterPath mouth;
    mouth.arcMoveTo(QRectF(c.x() - r * 0.5, c.y() - r * 0.45, r, r * 0.9), 200);
    mouth.arcTo(QRectF(c.x() - r * 0.5, c.y() - r * 0.45, r, r * 0.9), 200, 140);
    stroke(p, mouth);
}

void cloud(QPainter& p, QPointF c, double w)
{
    const double h = w / 6;
    QPainterPath path(c + QPointF(-w / 2, h));
    path.cubicTo(c + QPointF(-w * 0.62, h * 0.2), c + QPointF(-w * 0.45, -h * 1.1), c + QPointF(-w * 0.25, -h * 0.6));
    path.cubicTo(c + QPointF(-w * 0.2, -h * 2.2), c + QPointF(w * 0.15, -h * 2.3), c + QPointF(w * 0.18, -h * 0.9));
    path.cubicTo(c + QPointF(w * 0.35, -h * 1.7), c + QPointF(w * 0.62, -h * 0.8), c + QPointF(w * 0.5, h * 0.1));
    path.cubicTo(c + QPointF(w * 0.62, h * 0.4), c + QPointF(w * 0.55, h), c + QPointF(w * 0.45, h));
    path.closeSubpath();
    shape(p, path);
}

void hills(QPainter& p, double y, double wave, int humps)
{
    // From edge to edge of the page drawn on.
    const int width = p.device()->width(), height = p.device()->height();
    QPainterPath path(QPointF(-20, height + 20));
    path.lineTo(-20, y);
    const double step = (width + 40.0) / humps;
    for (int i = 0; i < humps; ++i) {
        const double x = -20 + i * step;
        const double lift = i % 2 ? wave : -wave;
        path.cubicTo(x + step / 3, y + lift, x + 2 * step / 3, y + lift, x + step, y);
    }
    path.lineTo(width + 20, height + 20);
    path.closeSubpath();
    shape(p, path);
}

void flower(QPainter& p, QPointF g, double h, int petals, double s)
{
    const QPointF head = g - QPointF(0, h);
    QPainterPath stem(g);
    stem.cubicTo(g + QPointF(-h * 0.08, -h * 0.4), head + QPointF(h * 0.08, h * 0.4), head);
    stroke(p, stem);
    shape(p, turned(ellipsePath(g + QPointF(h * 0.16, -h * 0.35), h * 0.17, h * 0.075), g + QPointF(h * 0.16, -h * 0.35), -30));
    shape(p, turned(ellipsePath(g + QPointF(-h * 0.16, -h * 0.55), h * 0.17, h * 0.075), g + QPointF(-h * 0.16, -h * 0.55), 30));
    // Petals long and narrow enough not to overlap, so none is left a sliver,
    // and large enough to stay worth colouring on an 800 x 600 screen.
    for (int i = 0; i < petals; ++i) {
        const double a = 360.0 * i / petals - 90;
        const QPointF centre = polar(head, s * 1.3, a);
        shape(p, turned(ellipsePath(centre, s * 0.85, s * 0.55), centre, a));
    }
    circle(p, head, s * 0.7);
}

void tree(QPainter& p, QPointF g, double h)
{
    const double w = h * 0.16;
    polygon(p, {g + QPointF(-w, 0), g + QPointF(-w * 0.6, -h * 0.55), g + QPointF(w * 0.6, -h * 0.55), g + QPointF(w, 0)});
    const QPointF top = g - QPointF(0, h * 0.7);
    const double r = h * 0.3;
    QPainterPath crown = ellipsePath(top, r * 0.8, r * 0.8);
    for (int i = 0; i < 7; ++i)
        crown = crown.united(ellipsePath(polar(top, r * 0.6, 360.0 * i / 7 - 90), r * 0.45, r * 0.45));
    shape(p, crown);
}

void firTree(QPainter& p, QPointF g, double h)
{
    rect(p, QRectF(g.x() - h * 0.07, g.y() - h * 0.18, h * 0.14, h * 0.18));
    for (int i = 0; i < 3; ++i) {
        const double base = g.y() - h * (0.15 + 0.25 * i);
        const double half = h * (0.36 - 0.08 * i);
        polygon(p, {QPointF(g.x() - half, base), QPointF(g.x(), base - h * 0.42), QPointF(g.x() + half, base)});
    }
}

void house(QPainter& p, QPointF b, double w)
{
    const double h = w * 0.7;
    const QRectF wall(b.x() - w / 2, b.y() - h, w, h);
    rect(p, wall);
    polygon(p, {wall.topLeft() + QPointF(-w * 0.1, 0), QPointF(b.x(), wall.top() - w * 0.5), wall.topRight() + QPointF(w * 0.1, 0)});
    rect(p, QRectF(wall.right() - w * 0.3, wall.top() - w * 0.42, w * 0.14, w * 0.24));
    rect(p, QRectF(b.x() - w * 0.1, b.y() - h * 0.55, w * 0.2, h * 0.55), w * 0.03);
    for (double side : {-1.0, 1.0}) {
        const QRectF window(b.x() + side * w * 0.3 - w * 0.1, wall.top() + h * 0.2, w * 0.2, w * 0.2);
        rect(p, window);
        line(p, QPointF(window.center().x(), window.top()), QPointF(window.center().x(), window.bottom()));
        line(p, QPointF(window.left(), window.center().y()), QPointF(window.right(), window.center().y()));
    }
}

void mushroom(QPainter& p, QPointF g, double s)
{
    rect(p, QRectF(g.x() - s * 0.22, g.y() - s * 0.7, s * 0.44, s * 0.7), s * 0.1);
    QPainterPath cap(g + QPointF(-s * 0.6, -s * 0.6));
    cap.cubicTo(g + QPointF(-s * 0.6, -s * 1.4), g + QPointF(s * 0.6, -s * 1.4), g + QPointF(s * 0.6, -s * 0.6));
    cap.closeSubpath();
    shape(p, cap);
    circle(p, g + QPointF(-s * 0.25, -s * 0.85), s * 0.12);
    circle(p, g + QPointF(s * 0.22, -s * 0.95), s * 0.1);
}

void butterfly(QPainter& p, QPointF c, double s)
{
    for (double side : {-1.0, 1.0}) {
        ellipse(p, c + QPointF(side * s * 0.45, -s * 0.3), s * 0.45, s * 0.38);
        ellipse(p, c + QPointF(side * s * 0.35, s * 0.3), s * 0.32, s * 0.28);
        circle(p, c + QPointF(side * s * 0.5, -s * 0.33), s * 0.15);
    }
    ellipse(p, c, s * 0.1, s * 0.5);
    line(p, c + QPointF(-s * 0.04, -s * 0.45), c + QPointF(-s * 0.25, -s * 0.85));
    line(p, c + QPointF(s * 0.04, -s * 0.45), c + QPointF(s * 0.25, -s * 0.85));
}

void fence(QPainter& p, double x0, double x1, double g, double h, int posts)
{
    // Rails and gaps wide enough to stay worth colouring on a small screen.
    const double rail = std::max(h * 0.2, 24.0);
    const double step = (x1 - x0) / posts;
    // The rails run from the first post to the last, leaving no stubs.
    rect(p, QRectF(x0 + step / 2, g - h * 0.8, x1 - x0 - step, rail));
    rect(p, QRectF(x0 + step / 2, g - h * 0.35, x1 - x0 - step, rail));
    const double w = step * 0.5;
    for (int i = 0; i < posts; ++i) {
        const double x = x0 + step * (i + 0.5);
        polygon(p, {QPointF(x - w / 2, g), QPointF(x - w / 2, g - h * 0.85), QPointF(x, g - h),
                    QPointF(x + w / 2, g - h * 0.85), QPointF(x + w / 2, g)});
    }
}

} // namespace lineart
