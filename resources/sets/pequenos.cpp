// "pequenos": big simple things for the youngest, few large areas, thick outlines.
#include "lineart/motifs.h"
#include "sets/sets.h"

namespace resources {
namespace {

constexpr int kLine = 10;

void bigSun(QPainter& p)
{
    hills(p, 680, 40, 2);
    sun(p, QPointF(600, 340), 200, 8, true);
}

void bigHouse(QPainter& p)
{
    hills(p, 700, 20, 2);
    const QRectF wall(280, 370, 640, 330);
    rect(p, QRectF(740, 110, 90, 180));
    polygon(p, {QPointF(210, 380), QPointF(600, 70), QPointF(990, 380)});
    rect(p, wall);
    rect(p, QRectF(530, 470, 140, 230), 20);
    rect(p, QRectF(340, 440, 130, 130));
    rect(p, QRectF(730, 440, 130, 130));
}

void bigFlower(QPainter& p)
{
    hills(p, 720, 30, 2);
    QPainterPath stem(QPointF(600, 740));
    stem.cubicTo(QPointF(570, 620), QPointF(630, 480), QPointF(600, 330));
    stroke(p, stem);
    shape(p, turned(ellipsePath(QPointF(700, 580), 100, 40), QPointF(700, 580), -25));
    shape(p, turned(ellipsePath(QPointF(500, 620), 100, 40), QPointF(500, 620), 25));
    for (int i = 0; i < 6; ++i)
        shape(p, turned(ellipsePath(QPointF(600, 150), 70, 120), QPointF(600, 280), 60.0 * i));
    circle(p, QPointF(600, 280), 95);
}

void beachBall(QPainter& p)
{
    hills(p, 700, 25, 2);
    const QPointF c(600, 380);
    circle(p, c, 260);
    for (double bend : {-1.0, 1.0}) {
        QPainterPath stripe(c + QPointF(0, -260));
        stripe.cubicTo(c + QPointF(bend * 170, -120), c + QPointF(bend * 170, 120), c + QPointF(0, 260));
        stroke(p, stripe);
    }
    circle(p, c, 45);
}

void apple(QPainter& p)
{
    hills(p, 720, 20, 2);
    QPainterPath body(QPointF(600, 250));
    body.cubicTo(QPointF(720, 150), QPointF(900, 230), QPointF(870, 430));
    body.cubicTo(QPointF(850, 600), QPointF(700, 700), QPointF(600, 640));
    body.cubicTo(QPointF(500, 700), QPointF(350, 600), QPointF(330, 430));
    body.cubicTo(QPointF(300, 230), QPointF(480, 150), QPointF(600, 250));
    shape(p, body);
    QPainterPath stem(QPointF(600, 250));
    stem.cubicTo(QPointF(600, 190), QPointF(620, 150), QPointF(650, 120));
    stroke(p, stem);
    shape(p, turned(ellipsePath(QPointF(720, 170), 85, 40), QPointF(720, 170), -20));
}

void car(QPainter& p)
{
    hills(p, 690, 0, 1);
    QPainterPath body(QPointF(180, 590));
    body.lineTo(180, 450);
    body.lineTo(380, 430);
    body.lineTo(470, 280);
    body.lineTo(800, 280);
    body.lineTo(910, 430);
    body.lineTo(1040, 450);
    body.lineTo(1040, 590);
    body.closeSubpath();
    shape(p, body);
    polygon(p, {QPointF(420, 430), QPointF(490, 315), QPointF(620, 315), QPointF(620, 430)});
    polygon(p, {QPointF(660, 430), QPointF(660, 315), QPointF(780, 315), QPointF(860, 430)});
    for (double x : {360.0, 860.0}) {
        circle(p, QPointF(x, 600), 95);
        circle(p, QPointF(x, 600), 40);
    }
}

void balloons(QPainter& p)
{
    hills(p, 740, 20, 2);
    const QPointF hand(600, 700);
    const QPointF tops[] = {QPointF(380, 250), QPointF(600, 190), QPointF(820, 260)};
    for (QPointF top : tops)
        line(p, hand, top + QPointF(0, 150));
    for (QPointF top : tops) {
        polygon(p, {top + QPointF(0, 140), top + QPointF(-25, 175), top + QPointF(25, 175)});
        ellipse(p, top, 120, 145);
    }
}

void iceCream(QPainter& p)
{
    polygon(p, {QPointF(470, 420), QPointF(730, 420), QPointF(600, 790)});
    line(p, QPointF(520, 500), QPointF(690, 520));
    line(p, QPointF(550, 600), QPointF(660, 610));
    circle(p, QPointF(510, 370), 110);
    circle(p, QPointF(690, 370), 110);
    circle(p, QPointF(600, 230), 120);
    circle(p, QPointF(600, 95), 45);
}

QImage logo()
{
    return drawLogo(QColor(120, 220, 90), [](QPainter& p) {
        p.setBrush(QColor(255, 210, 40));
        p.drawEllipse(QPointF(28.5, 33.5), 16, 16);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(23, 30), 2, 2);
        p.drawEllipse(QPointF(34, 30), 2, 2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(21, 29, 15, 12), 200 * 16, 140 * 16);
    });
}

} // namespace

BookSet pequenosSet()
{
    return {"pequenos", kLine, logo, {bigSun, bigHouse, bigFlower, beachBall, apple, car, balloons, iceCream}};
}

} // namespace resources
