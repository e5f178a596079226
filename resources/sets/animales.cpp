// "animales": animals in their places, for older children.
#include "lineart/motifs.h"
#include "sets/animales_pages.h"
#include "sets/sets.h"

namespace resources {
namespace {

constexpr int kLine = 4;

void cat(QPainter& p, QPointF g, double s)
{
    QPainterPath tail(g + QPointF(s * 0.5, -s * 0.2));
    tail.cubicTo(g + QPointF(s * 1.3, -s * 0.2), g + QPointF(s * 1.2, -s * 1.2), g + QPointF(s * 0.95, -s * 1.4));
    tail.cubicTo(g + QPointF(s * 1.05, -s * 1.15), g + QPointF(s * 1.1, -s * 0.4), g + QPointF(s * 0.45, -s * 0.4));
    tail.closeSubpath();
    shape(p, tail);
    ellipse(p, g + QPointF(0, -s * 0.75), s * 0.6, s * 0.75);
    ellipse(p, g + QPointF(-s * 0.3, -s * 0.1), s * 0.22, s * 0.12);
    ellipse(p, g + QPointF(s * 0.3, -s * 0.1), s * 0.22, s * 0.12);
    const QPointF head = g + QPointF(0, -s * 1.75);
    for (double side : {-1.0, 1.0}) {
        polygon(p, {head + QPointF(side * s * 0.2, -s * 0.4), head + QPointF(side * s * 0.48, -s * 0.75),
                    head + QPointF(side * s * 0.52, -s * 0.15)});
        polygon(p, {head + QPointF(side * s * 0.3, -s * 0.38), head + QPointF(side * s * 0.45, -s * 0.6),
                    head + QPointF(side * s * 0.46, -s * 0.3)});
    }
    ellipse(p, head, s * 0.55, s * 0.48);
    ellipse(p, head + QPointF(-s * 0.2, -s * 0.08), s * 0.1, s * 0.12);
    ellipse(p, head + QPointF(s * 0.2, -s * 0.08), s * 0.1, s * 0.12);
    dot(p, head + QPointF(-s * 0.2, -s * 0.06), s * 0.04);
    dot(p, head + QPointF(s * 0.2, -s * 0.06), s * 0.04);
    polygon(p, {head + QPointF(-s * 0.07, s * 0.1), head + QPointF(s * 0.07, s * 0.1), head + QPointF(0, s * 0.18)});
    for (double side : {-1.0, 1.0}) {
        line(p, head + QPointF(side * s * 0.15, s * 0.18), head + QPointF(side * s * 0.5, s * 0.12));
        line(p, head + QPointF(side * s * 0.15, s * 0.22), head + QPointF(side * s * 0.5, s * 0.28));
    }
}

void catInGarden(QPainter& p)
{
    sun(p, QPointF(1040, 140), 70, 8, true);
    cloud(p, QPointF(250, 130), 260);
    cloud(p, QPointF(700, 90), 200);
    hills(p, 620, 30, 3);
    fence(p, 40, 420, 700, 150, 6);
    flower(p, QPointF(920, 760), 200, 6, 32);
    flower(p, QPointF(1060, 770), 150, 5, 28);
    cat(p, QPointF(600, 740), 230);
}

void snail(QPainter& p, QPointF g, double s)
{
    QPainterPath body(g + QPointF(-s * 1.2, 0));
    body.lineTo(g + QPointF(s * 0.7, 0));
    body.cubicTo(g + QPointF(s * 1.0, 0), g + QPointF(s * 1.1, -s * 0.3), g + QPointF(s * 1.0, -s * 0.8));
    body.cubicTo(g + QPointF(s * 0.9, -s * 1.0), g + QPointF(s * 0.6, -s * 0.9), g + QPointF(s * 0.6, -s * 0.5));
    body.lineTo(g + QPointF(-s * 1.2, -s * 0.25));
    body.closeSubpath();
    line(p, g + QPointF(s * 0.8, -s * 0.9), g + QPointF(s * 0.75, -s * 1.3));
    line(p, g + QPointF(s * 0.95, -s * 0.85), g + QPointF(s * 1.15, -s * 1.25));
    circle(p, g + QPointF(s * 0.75, -s * 1.33), s * 0.07);
    circle(p, g + QPointF(s * 1.17, -s * 1.28), s * 0.07);
    shape(p, body);
    dot(p, g + QPointF(s * 0.88, -s * 0.65), s * 0.04);
    const QPointF shell = g + QPointF(-s * 0.25, -s * 0.7);
    circle(p, shell, s * 0.65);
    circle(p, shell + QPointF(s * 0.05, s * 0.05), s * 0.42);
    circle(p, shell + QPointF(s * 0.1, s * 0.08), s * 0.2);
}

void snailAndMushrooms(QPainter& p)
{
    cloud(p, QPointF(900, 120), 300);
    butterfly(p, QPointF(300, 170), 110);
    hills(p, 560, 25, 2);
    tree(p, QPointF(1050, 600), 380);
    mushroom(p, QPointF(200, 720), 170);
    mushroom(p, QPointF(360, 760), 110);
    snail(p, QPointF(700, 740), 200);
}

void owl(QPainter& p, QPointF c, double s)
{
    ellipse(p, c, s * 0.8, s);
    for (double side : {-1.0, 1.0}) {
        polygon(p, {c + QPointF(side * s * 0.3, -s * 0.85), c + QPointF(side * s * 0.75, -s * 1.25),
                    c + QPointF(side * s * 0.72, -s * 0.55)});
        shape(p, turned(ellipsePath(c + QPointF(side * s * 0.68, s * 0.15), s * 0.22, s * 0.55),
                        c + QPointF(side * s * 0.68, s * 0.15), side * -12));
        circle(p, c + QPointF(side * s * 0.33, -s * 0.45), s * 0.28);
        circle(p, c + QPointF(side * s * 0.33, -s * 0.45), s * 0.12);
    }
    ellipse(p, c + QPointF(0, s * 0.35), s * 0.45, s * 0.5);
    polygon(p, {c + QPointF(-s * 0.1, -s * 0.25), c + QPointF(s * 0.1, -s * 0.25), c + QPointF(0, -s * 0.05)});
}

void owlAtNight(QPainter& p)
{
    circle(p, QPointF(200, 150), 90);
    circle(p, QPointF(240, 120), 80);
    for (QPointF star : {QPointF(500, 100), QPointF(700, 170), QPointF(1050, 90), QPointF(900, 300), QPointF(380, 330)})
        shape(p, starPath(star, 45, 20, 5));
    QPainterPath branch(QPointF(-20, 600));
    branch.cubicTo(QPointF(300, 560), QPointF(700, 640), QPointF(1220, 560));
    branch.lineTo(1220, 630);
    branch.cubicTo(QPointF(700, 700), QPointF(300, 620), QPointF(-20, 670));
    branch.closeSubpath();
    owl(p, QPointF(600, 420), 190);
    shape(p, branch);
    for (double x : {180.0, 900.0})
        shape(p, turned(ellipsePath(QPointF(x, 700), 70, 30), QPointF(x, 700), 20));
}

QImage logo()
{
    return drawLogo(QColor(255, 190, 90), [](QPainter& p) {
        p.setBrush(QColor(250, 150, 60));
        p.drawPolygon(QPolygonF({QPointF(14, 26), QPointF(16, 10), QPointF(26, 20)}));
        p.drawPolygon(QPolygonF({QPointF(43, 26), QPointF(41, 10), QPointF(31, 20)}));
        p.drawEllipse(QPointF(28.5, 34), 18, 15);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(22, 31), 2.5, 3);
        p.drawEllipse(QPointF(35, 31), 2.5, 3);
        p.setBrush(QColor(240, 110, 140));
        p.drawPolygon(QPolygonF({QPointF(26, 37), QPointF(31, 37), QPointF(28.5, 40)}));
        p.drawLine(QPointF(18, 40), QPointF(8, 38));
        p.drawLine(QPointF(39, 40), QPointF(49, 38));
    });
}

} // namespace

BookSet animalesSet()
{
    return {"animales", kLine, logo, {catInGarden, elephant, snailAndMushrooms, giraffe, owlAtNight, turtle, lion, rabbit}};
}

} // namespace resources
