// "granja": the farm, its animals and its work, for older children.
#include "lineart/motifs.h"
#include "sets/sets.h"

#include <cmath>

namespace resources {
namespace {

constexpr int kLine = 4;

void sky(QPainter& p, bool sunLeft)
{
    sun(p, QPointF(sunLeft ? 130 : 1070, 120), 80, 8, true);
    cloud(p, QPointF(sunLeft ? 520 : 300, 110), 250);
    cloud(p, QPointF(sunLeft ? 900 : 700, 80), 190);
}

void barn(QPainter& p, QPointF b, double w)
{
    const double h = w * 0.6;
    polygon(p, {b + QPointF(-w / 2, -h), b + QPointF(-w * 0.3, -h * 1.6), b + QPointF(w * 0.3, -h * 1.6),
                b + QPointF(w / 2, -h), b + QPointF(w / 2, 0), b + QPointF(-w / 2, 0)});
    line(p, b + QPointF(-w / 2, -h), b + QPointF(w / 2, -h));
    const QRectF door(b.x() - w * 0.2, b.y() - h * 0.75, w * 0.4, h * 0.75);
    rect(p, door);
    line(p, door.topLeft(), door.bottomRight());
    line(p, door.topRight(), door.bottomLeft());
    rect(p, QRectF(b.x() - w * 0.1, b.y() - h * 1.4, w * 0.2, h * 0.25));
}

void farmhouse(QPainter& p)
{
    sky(p, true);
    hills(p, 500, 30, 3);
    barn(p, QPointF(380, 640), 380);
    house(p, QPointF(860, 600), 260);
    fence(p, -10, 1210, 760, 120, 10);
    tree(p, QPointF(1110, 560), 260);
}

void cow(QPainter& p, QPointF c, double s)
{
    line(p, c + QPointF(s * 0.9, -s * 0.2), c + QPointF(s * 1.1, s * 0.4));
    circle(p, c + QPointF(s * 1.12, s * 0.45), s * 0.07);
    for (double x : {-0.7, -0.4, 0.45, 0.75})
        rect(p, QRectF(c.x() + s * x - s * 0.1, c.y() + s * 0.2, s * 0.2, s * 0.65), s * 0.05);
    ellipse(p, c + QPointF(s * 0.1, s * 0.45), s * 0.2, s * 0.12);
    ellipse(p, c, s, s * 0.5);
    for (QPointF spot : {QPointF(0.3, -0.15), QPointF(-0.3, 0.1), QPointF(0.6, 0.15)})
        ellipse(p, c + spot * s, s * 0.18, s * 0.13);
    const QPointF h = c + QPointF(-s * 1.05, -s * 0.35);
    for (double side : {-1.0, 1.0}) {
        polygon(p, {h + QPointF(side * s * 0.15, -s * 0.3), h + QPointF(side * s * 0.3, -s * 0.5),
                    h + QPointF(side * s * 0.25, -s * 0.25)});
        ellipse(p, h + QPointF(side * s * 0.35, -s * 0.15), s * 0.16, s * 0.08);
    }
    ellipse(p, h, s * 0.28, s * 0.35);
    ellipse(p, h + QPointF(0, s * 0.25), s * 0.25, s * 0.15);
    for (double side : {-1.0, 1.0}) {
        dot(p, h + QPointF(side * s * 0.1, -s * 0.08), s * 0.04);
        dot(p, h + QPointF(side * s * 0.09, s * 0.25), s * 0.03);
    }
}

void cowPage(QPainter& p)
{
    sky(p, false);
    hills(p, 480, 30, 3);
    fence(p, -10, 1210, 560, 110, 10);
    cow(p, QPointF(650, 520), 300);
    flower(p, QPointF(150, 800), 160, 6, 24);
    flower(p, QPointF(1080, 800), 170, 5, 26);
}

void pig(QPainter& p, QPointF c, double s)
{
    QPainterPath tail(c + QPointF(s * 0.95, -s * 0.1));
    tail.cubicTo(c + QPointF(s * 1.25, -s * 0.3), c + QPointF(s * 1.1, -s * 0.5), c + QPointF(s * 1.05, -s * 0.3));
    stroke(p, tail);
    for (double x : {-0.55, -0.25, 0.3, 0.6})
        rect(p, QRectF(c.x() + s * x - s * 0.1, c.y() + s * 0.3, s * 0.2, s * 0.4), s * 0.05);
    ellipse(p, c, s, s * 0.6);
    const QPointF h = c + QPointF(-s * 0.8, -s * 0.2);
    for (double side : {-1.0, 1.0})
        polygon(p, {h + QPointF(side * s * 0.1, -s * 0.3), h + QPointF(side * s * 0.3, -s * 0.55),
                    h + QPointF(side * s * 0.35, -s * 0.2)});
    circle(p, h, s * 0.4);
    ellipse(p, h + QPointF(-s * 0.05, s * 0.12), s * 0.17, s * 0.12);
    dot(p, h + QPointF(-s * 0.11, s * 0.12), s * 0.035);
    dot(p, h + QPointF(s * 0.01, s * 0.12), s * 0.035);
    dot(p, h + QPointF(-s * 0.18, -s * 0.15), s * 0.04);
    dot(p, h + QPointF(s * 0.12, -s * 0.15), s * 0.04);
}

void pigPage(QPainter& p)
{
    sky(p, true);
    hills(p, 450, 25, 2);
    barn(p, QPointF(1000, 560), 300);
    QPainterPath mud(QPointF(150, 700));
    mud.cubicTo(QPointF(150, 600), QPointF(800, 600), QPointF(850, 700));
    mud.cubicTo(QPointF(800, 780), QPointF(150, 790), QPointF(150, 700));
    shape(p, mud);
    pig(p, QPointF(520, 560), 220);
    pig(p, QPointF(980, 710), 130);
}

void hen(QPainter& p, QPointF c, double s)
{
    for (double a : {-40.0, -15.0, 10.0})
        shape(p, turned(ellipsePath(c + QPointF(s * 0.8, -s * 0.3), s * 0.35, s * 0.12), c + QPointF(s * 0.55, -s * 0.1), a));
    for (double x : {-0.2, 0.2}) {
        line(p, c + QPointF(s * x, s * 0.5), c + QPointF(s * x, s * 0.85));
        line(p, c + QPointF(s * x, s * 0.85), c + QPointF(s * x - s * 0.15, s * 0.9));
    }
    ellipse(p, c, s * 0.7, s * 0.55);
    shape(p, turned(ellipsePath(c + QPointF(s * 0.1, 0), s * 0.35, s * 0.2), c, -15));
    const QPointF h = c + QPointF(-s * 0.6, -s * 0.5);
    for (double dx : {-0.15, 0.0, 0.15})
        circle(p, h + QPointF(s * dx, -s * 0.33), s * 0.1);
    circle(p, h, s * 0.32);
    polygon(p, {h + QPointF(-s * 0.3, -s * 0.05), h + QPointF(-s * 0.55, s * 0.05), h + QPointF(-s * 0.3, s * 0.12)});
    ellipse(p, h + QPointF(-s * 0.25, s * 0.3), s * 0.08, s * 0.13);
    dot(p, h + QPointF(-s * 0.1, -s * 0.05), s * 0.05);
}

void henPage(QPainter& p)
{
    sky(p, false);
    hills(p, 480, 20, 3);
    rect(p, QRectF(860, 380, 260, 220));
    polygon(p, {QPointF(830, 390), QPointF(990, 280), QPointF(1150, 390)});
    rect(p, QRectF(950, 480, 80, 120), 30);
    hen(p, QPointF(420, 560), 260);
    for (double x : {720.0, 840.0})
        ellipse(p, QPointF(x, 720), 55, 45);
    for (QPointF chick : {QPointF(720, 680), QPointF(840, 690)}) {
        circle(p, chick + QPointF(0, -50), 30);
        polygon(p, {chick + QPointF(-28, -55), chick + QPointF(-50, -48), chick + QPointF(-28, -40)});
    }
    shape(p, turned(ellipsePath(QPointF(1000, 720), 45, 60), QPointF(1000, 720), 0));
    shape(p, turned(ellipsePath(QPointF(1100, 730), 45, 60), QPointF(1100, 730), 0));
}

void sheep(QPainter& p, QPointF c, double s)
{
    for (double x : {-0.5, -0.2, 0.25, 0.55})
        rect(p, QRectF(c.x() + s * x - s * 0.08, c.y() + s * 0.3, s * 0.16, s * 0.5), s * 0.05);
    QPainterPath wool = ellipsePath(c, s * 0.6, s * 0.38);
    for (int i = 0; i < 10; ++i) {
        const double a = i * 2 * M_PI / 10;
        wool = wool.united(ellipsePath(c + QPointF(s * 0.72 * std::cos(a), s * 0.42 * std::sin(a)), s * 0.2, s * 0.2));
    }
    shape(p, wool);
    const QPointF h = c + QPointF(-s * 0.8, -s * 0.3);
    for (double side : {-1.0, 1.0})
        ellipse(p, h + QPointF(side * s * 0.22, -s * 0.1), s * 0.15, s * 0.07);
    ellipse(p, h, s * 0.22, s * 0.3);
    dot(p, h + QPointF(-s * 0.08, -s * 0.05), s * 0.035);
    dot(p, h + QPointF(s * 0.08, -s * 0.05), s * 0.035);
}

void sheepPage(QPainter& p)
{
    sky(p, true);
    hills(p, 430, 40, 3);
    tree(p, QPointF(1100, 560), 300);
    sheep(p, QPointF(550, 470), 300);
    sheep(p, QPointF(950, 660), 150);
    flower(p, QPointF(120, 800), 150, 5, 24);
    flower(p, QPointF(280, 800), 150, 6, 26);
}

void tractor(QPainter& p)
{
    sky(p, false);
    hills(p, 470, 30, 3);
    for (int i = 0; i < 4; ++i)
        line(p, QPointF(-10, 700 + i * 40), QPointF(1210, 680 + i * 40));
    rect(p, QRectF(620, 270, 40, 140));
    rect(p, QRectF(330, 250, 240, 220), 10);
    rect(p, QRectF(360, 280, 180, 110), 10);
    rect(p, QRectF(300, 450, 580, 150), 16);
    rect(p, QRectF(620, 470, 240, 50), 8);
    for (int i = 0; i < 3; ++i)
        line(p, QPointF(660 + i * 70, 470), QPointF(660 + i * 70, 520));
    circle(p, QPointF(420, 620), 150);
    circle(p, QPointF(420, 620), 80);
    circle(p, QPointF(420, 620), 25);
    circle(p, QPointF(800, 660), 90);
    circle(p, QPointF(800, 660), 45);
}

void horse(QPainter& p, QPointF c, double s)
{
    QPainterPath tail(c + QPointF(s * 0.9, -s * 0.2));
    tail.cubicTo(c + QPointF(s * 1.3, -s * 0.1), c + QPointF(s * 1.2, s * 0.5), c + QPointF(s * 1.1, s * 0.7));
    tube(p, tail, s * 0.15);
    for (double x : {-0.6, -0.35, 0.45, 0.7})
        rect(p, QRectF(c.x() + s * x - s * 0.08, c.y() + s * 0.2, s * 0.16, s * 0.8), s * 0.04);
    ellipse(p, c, s, s * 0.42);
    // The mane is a band along the back of the neck, half covered by the neck.
    QPainterPath mane(c + QPointF(-s * 0.88, -s * 1.1));
    mane.lineTo(c + QPointF(-s * 0.42, -s * 0.38));
    tube(p, mane, s * 0.24);
    polygon(p, {c + QPointF(-s * 0.75, -s * 0.2), c + QPointF(-s * 1.15, -s * 0.95), c + QPointF(-s * 0.9, -s * 1.1),
                c + QPointF(-s * 0.45, -s * 0.35)});
    polygon(p, {c + QPointF(-s * 0.98, -s * 1.0), c + QPointF(-s * 0.95, -s * 1.38), c + QPointF(-s * 0.78, -s * 1.07)});
    const QPointF head = c + QPointF(-s * 1.25, -s * 0.82);
    shape(p, turned(ellipsePath(head, s * 0.4, s * 0.19), head, -45));
    dot(p, head + QPointF(s * 0.02, -s * 0.1), s * 0.04);
    dot(p, head + QPointF(-s * 0.22, s * 0.22), s * 0.03);
}

void horsePage(QPainter& p)
{
    sky(p, true);
    hills(p, 450, 30, 2);
    fence(p, 700, 1210, 560, 110, 7);
    horse(p, QPointF(600, 500), 260);
    flower(p, QPointF(150, 800), 160, 6, 24);
    flower(p, QPointF(1110, 800), 150, 5, 24);
}

void scarecrow(QPainter& p)
{
    sky(p, false);
    hills(p, 500, 30, 3);
    for (double x : {100.0, 220.0, 980.0, 1100.0})
        for (double y : {620.0, 740.0})
            ellipse(p, QPointF(x, y), 45, 30);
    line(p, QPointF(600, 780), QPointF(600, 300));
    rect(p, QRectF(380, 330, 440, 40), 10);
    polygon(p, {QPointF(480, 330), QPointF(720, 330), QPointF(760, 600), QPointF(440, 600)});
    for (double x : {520.0, 680.0})
        rect(p, QRectF(x - 30, 420, 60, 60));
    circle(p, QPointF(600, 260), 80);
    polygon(p, {QPointF(470, 200), QPointF(730, 200), QPointF(650, 180), QPointF(620, 90), QPointF(580, 90), QPointF(550, 180)});
    smile(p, QPointF(600, 260), 70);
    QPainterPath bird(QPointF(760, 300));
    bird.quadTo(790, 260, 830, 300);
    bird.quadTo(800, 330, 760, 300);
    shape(p, bird);
}

QImage logo()
{
    return drawLogo(QColor(170, 225, 110), [](QPainter& p) {
        p.setBrush(QColor(210, 50, 40));
        p.drawPolygon(QPolygonF({QPointF(10, 56), QPointF(10, 32), QPointF(18, 20), QPointF(39, 20), QPointF(47, 32), QPointF(47, 56)}));
        p.setBrush(QColor(250, 245, 230));
        p.drawRect(QRectF(21, 38, 15, 18));
        p.drawLine(QPointF(21, 38), QPointF(36, 56));
        p.drawLine(QPointF(36, 38), QPointF(21, 56));
        p.drawRect(QRectF(24, 25, 9, 7));
    });
}

} // namespace

BookSet granjaSet()
{
    return {"granja", kLine, logo, {farmhouse, cowPage, pigPage, henPage, sheepPage, tractor, horsePage, scarecrow}};
}

} // namespace resources
