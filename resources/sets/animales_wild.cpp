// "animales", pages 4 to 8: animals of the savannah, the pond and the meadow.
#include "lineart/motifs.h"
#include "sets/animales_pages.h"

#include <cmath>

namespace resources {
namespace {

void grassTufts(QPainter& p, std::initializer_list<QPointF> roots)
{
    for (QPointF r : roots) {
        for (double dx : {-18.0, 0.0, 18.0})
            line(p, r, r + QPointF(dx * 1.4, -40 - std::abs(dx)));
    }
}

void elephantBody(QPainter& p, QPointF c)
{
    line(p, c + QPointF(250, -40), c + QPointF(310, 60));
    circle(p, c + QPointF(312, 68), 14);
    for (double x : {-170.0, -60.0, 70.0, 170.0})
        rect(p, QRectF(c.x() + x - 40, c.y() + 60, 80, 200), 20);
    ellipse(p, c, 270, 170);
}

void elephantHead(QPainter& p, QPointF h)
{
    QPainterPath trunk(h + QPointF(-120, 40));
    trunk.cubicTo(h + QPointF(-190, 150), h + QPointF(-200, 260), h + QPointF(-250, 290));
    trunk.cubicTo(h + QPointF(-260, 240), h + QPointF(-210, 250), h + QPointF(-200, 250));
    trunk.cubicTo(h + QPointF(-140, 230), h + QPointF(-110, 150), h + QPointF(-40, 110));
    trunk.closeSubpath();
    shape(p, trunk);
    circle(p, h, 140);
    shape(p, turned(ellipsePath(h + QPointF(90, 10), 100, 140), h + QPointF(90, 10), 10));
    dot(p, h + QPointF(-60, -30), 12);
    polygon(p, {h + QPointF(-90, 70), h + QPointF(-150, 130), h + QPointF(-80, 110)});
}

} // namespace

void elephant(QPainter& p)
{
    sun(p, QPointF(130, 120), 70, 8, false);
    cloud(p, QPointF(600, 100), 260);
    cloud(p, QPointF(1000, 150), 220);
    hills(p, 600, 25, 3);
    tree(p, QPointF(1080, 640), 360);
    elephantBody(p, QPointF(700, 460));
    elephantHead(p, QPointF(420, 380));
    grassTufts(p, {QPointF(120, 780), QPointF(980, 790), QPointF(1140, 760)});
}

void giraffe(QPainter& p)
{
    sun(p, QPointF(1060, 110), 75, 8, true);
    hills(p, 640, 20, 2);
    rect(p, QRectF(140, 330, 50, 330));
    ellipse(p, QPointF(165, 300), 170, 60);
    const QPointF body(700, 500);
    for (double x : {-150.0, -90.0, 90.0, 150.0})
        rect(p, QRectF(body.x() + x - 22, body.y() + 40, 44, 250), 10);
    line(p, body + QPointF(200, -20), body + QPointF(260, 110));
    polygon(p, {body + QPointF(-180, -30), QPointF(420, 170), QPointF(520, 165), body + QPointF(-50, -70)});
    ellipse(p, body, 210, 110);
    for (double dx : {-18.0, 18.0}) {
        line(p, QPointF(450 + dx, 110), QPointF(450 + dx * 1.6, 40));
        circle(p, QPointF(450 + dx * 1.6, 40), 14);
    }
    shape(p, turned(ellipsePath(QPointF(430, 130), 90, 50), QPointF(430, 130), -25));
    dot(p, QPointF(430, 110), 10);
    for (QPointF spot : {QPointF(620, 470), QPointF(720, 450), QPointF(820, 480), QPointF(680, 540),
                         QPointF(780, 550), QPointF(560, 520), QPointF(520, 330), QPointF(470, 240)})
        circle(p, spot, 30);
}

void turtle(QPainter& p)
{
    cloud(p, QPointF(300, 120), 280);
    sun(p, QPointF(1020, 130), 75, 8, true);
    hills(p, 560, 20, 3);
    const QPointF c(600, 560);
    for (double x : {-170.0, 150.0})
        ellipse(p, c + QPointF(x, 80), 55, 75);
    polygon(p, {c + QPointF(270, 20), c + QPointF(350, 60), c + QPointF(270, 60)});
    circle(p, c + QPointF(-320, -60), 80);
    dot(p, c + QPointF(-345, -80), 10);
    QPainterPath shell(c + QPointF(-280, 50));
    shell.cubicTo(c + QPointF(-260, -330), c + QPointF(260, -330), c + QPointF(280, 50));
    shell.closeSubpath();
    shape(p, shell);
    polygon(p, {c + QPointF(-60, -170), c + QPointF(60, -170), c + QPointF(100, -60), c + QPointF(0, 10),
                c + QPointF(-100, -60)});
    for (double side : {-1.0, 1.0}) {
        line(p, c + QPointF(side * 60, -170), c + QPointF(side * 120, -215));
        line(p, c + QPointF(side * 100, -60), c + QPointF(side * 230, -90));
        line(p, c + QPointF(0, 10), c + QPointF(0, 50));
        line(p, c + QPointF(side * 160, -40), c + QPointF(side * 180, 45));
    }
    flower(p, QPointF(120, 790), 170, 5, 28);
    flower(p, QPointF(1080, 790), 190, 6, 30);
}

void lion(QPainter& p)
{
    sun(p, QPointF(140, 130), 70, 8, false);
    hills(p, 700, 20, 2);
    const QPointF c(600, 400);
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * 3.14159265 / 14;
        circle(p, c + QPointF(260 * std::cos(a), 240 * std::sin(a)), 85);
    }
    for (double side : {-1.0, 1.0}) {
        circle(p, c + QPointF(side * 150, -160), 55);
        circle(p, c + QPointF(side * 150, -160), 25);
    }
    ellipse(p, c, 230, 210);
    for (double side : {-1.0, 1.0}) {
        ellipse(p, c + QPointF(side * 80, -50), 35, 40);
        dot(p, c + QPointF(side * 80, -45), 14);
        ellipse(p, c + QPointF(side * 45, 90), 55, 45);
    }
    polygon(p, {c + QPointF(-40, 20), c + QPointF(40, 20), c + QPointF(0, 60)});
    grassTufts(p, {QPointF(150, 800), QPointF(1050, 790)});
}

void rabbit(QPainter& p)
{
    cloud(p, QPointF(900, 110), 260);
    hills(p, 600, 30, 3);
    fence(p, 700, 1200, 640, 140, 7);
    const QPointF c(420, 560);
    circle(p, c + QPointF(190, 130), 45);
    ellipse(p, c, 170, 190);
    for (double side : {-1.0, 1.0}) {
        shape(p, turned(ellipsePath(c + QPointF(side * 70, -440), 50, 140), c + QPointF(side * 70, -330), side * 12));
        shape(p, turned(ellipsePath(c + QPointF(side * 70, -440), 22, 100), c + QPointF(side * 70, -330), side * 12));
        ellipse(p, c + QPointF(side * 90, 180), 80, 40);
    }
    circle(p, c + QPointF(0, -230), 130);
    ellipse(p, c + QPointF(0, 40), 100, 120);
    for (double side : {-1.0, 1.0})
        dot(p, c + QPointF(side * 50, -260), 14);
    circle(p, c + QPointF(0, -200), 18);
    polygon(p, {QPointF(880, 780), QPointF(1000, 700), QPointF(1020, 730)});
    for (double a : {-30.0, 0.0, 30.0})
        shape(p, turned(ellipsePath(QPointF(1040, 680), 40, 14), QPointF(1010, 715), a - 40));
    flower(p, QPointF(140, 800), 170, 6, 26);
}

} // namespace resources
