// "pequenos": big simple things for the youngest, few large areas, thick outlines.
#include "motifs.h"
#include "sets/sets.h"

namespace resources {
namespace {

constexpr int kLine = 10;

void bigSun(QPainter& p)
{
    hills(p, 650, 40, 2);
    sun(p, QPointF(600, 330), 170, 8, true);
}

void bigHouse(QPainter& p)
{
    hills(p, 700, 20, 2);
    const QRectF wall(340, 360, 520, 340);
    rect(p, QRectF(700, 150, 80, 160));
    polygon(p, {QPointF(280, 370), QPointF(600, 120), QPointF(920, 370)});
    rect(p, wall);
    rect(p, QRectF(540, 480, 120, 220), 20);
    rect(p, QRectF(390, 430, 110, 110));
    rect(p, QRectF(700, 430, 110, 110));
}

void bigFlower(QPainter& p)
{
    hills(p, 700, 30, 2);
    QPainterPath stem(QPointF(600, 720));
    stem.cubicTo(QPointF(570, 600), QPointF(630, 480), QPointF(600, 380));
    stroke(p, stem);
    shape(p, turned(ellipsePath(QPointF(680, 560), 80, 35), QPointF(680, 560), -25));
    shape(p, turned(ellipsePath(QPointF(520, 600), 80, 35), QPointF(520, 600), 25));
    for (int i = 0; i < 6; ++i)
        shape(p, turned(ellipsePath(QPointF(600, 210), 55, 100), QPointF(600, 310), 60.0 * i));
    circle(p, QPointF(600, 310), 80);
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
    return {"pequenos", kLine, logo, {bigSun, bigHouse, bigFlower}};
}

} // namespace resources
