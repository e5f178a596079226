// "pequeanimales": big friendly animals for the youngest, few large areas.
#include "lineart/motifs.h"
#include "sets/sets.h"

#include <cmath>

namespace resources {
namespace {

constexpr int kLine = 10;

void catFace(QPainter& p)
{
    const QPointF c(600, 450);
    for (double side : {-1.0, 1.0}) {
        polygon(p, {c + QPointF(side * 120, -200), c + QPointF(side * 300, -370), c + QPointF(side * 300, -60)});
        polygon(p, {c + QPointF(side * 190, -215), c + QPointF(side * 275, -300), c + QPointF(side * 275, -150)});
    }
    ellipse(p, c, 330, 270);
    for (double side : {-1.0, 1.0}) {
        ellipse(p, c + QPointF(side * 120, -60), 55, 65);
        dot(p, c + QPointF(side * 120, -50), 22);
        line(p, c + QPointF(side * 80, 90), c + QPointF(side * 290, 60));
        line(p, c + QPointF(side * 80, 120), c + QPointF(side * 290, 150));
    }
    polygon(p, {c + QPointF(-40, 40), c + QPointF(40, 40), c + QPointF(0, 85)});
    QPainterPath mouth(c + QPointF(-70, 130));
    mouth.quadTo(c + QPointF(-35, 165), c + QPointF(0, 85));
    mouth.quadTo(c + QPointF(35, 165), c + QPointF(70, 130));
    stroke(p, mouth);
}

void fish(QPainter& p)
{
    for (QPointF b : {QPointF(180, 140), QPointF(270, 230), QPointF(160, 300)})
        circle(p, b, 40);
    polygon(p, {QPointF(760, 420), QPointF(1010, 230), QPointF(1010, 610)});
    polygon(p, {QPointF(450, 250), QPointF(560, 150), QPointF(640, 260)});
    ellipse(p, QPointF(520, 420), 320, 200);
    circle(p, QPointF(360, 370), 50);
    dot(p, QPointF(350, 370), 20);
    shape(p, turned(ellipsePath(QPointF(560, 470), 100, 45), QPointF(560, 470), 20));
    QPainterPath gill(QPointF(440, 300));
    gill.quadTo(QPointF(490, 420), QPointF(440, 540));
    stroke(p, gill);
}

void duck(QPainter& p)
{
    QPainterPath body(QPointF(220, 470));
    body.cubicTo(QPointF(240, 700), QPointF(800, 720), QPointF(900, 520));
    body.cubicTo(QPointF(950, 420), QPointF(780, 380), QPointF(640, 430));
    body.lineTo(300, 430);
    body.lineTo(180, 360);
    body.closeSubpath();
    shape(p, body);
    polygon(p, {QPointF(860, 260), QPointF(1060, 280), QPointF(870, 330)});
    circle(p, QPointF(760, 280), 150);
    dot(p, QPointF(800, 240), 22);
    shape(p, turned(ellipsePath(QPointF(520, 520), 170, 80), QPointF(520, 520), -10));
    hills(p, 660, 30, 4);
}

void bearFace(QPainter& p)
{
    const QPointF c(600, 450);
    for (double side : {-1.0, 1.0}) {
        circle(p, c + QPointF(side * 250, -230), 120);
        circle(p, c + QPointF(side * 250, -230), 60);
    }
    ellipse(p, c, 340, 300);
    ellipse(p, c + QPointF(0, 110), 150, 120);
    ellipse(p, c + QPointF(0, 60), 60, 40);
    for (double side : {-1.0, 1.0})
        dot(p, c + QPointF(side * 130, -60), 30);
    QPainterPath mouth(c + QPointF(-60, 160));
    mouth.quadTo(c + QPointF(0, 210), c + QPointF(60, 160));
    stroke(p, mouth);
    line(p, c + QPointF(0, 100), c + QPointF(0, 180));
}

void ladybug(QPainter& p)
{
    hills(p, 730, 20, 2);
    const QPointF c(600, 440);
    circle(p, c + QPointF(0, -250), 130);
    for (double side : {-1.0, 1.0})
        line(p, c + QPointF(side * 50, -350), c + QPointF(side * 130, -440));
    ellipse(p, c + QPointF(0, 40), 330, 280);
    line(p, c + QPointF(0, -240), c + QPointF(0, 320));
    for (QPointF spot : {QPointF(-170, -40), QPointF(-120, 140), QPointF(170, -40), QPointF(120, 140),
                         QPointF(-220, 90), QPointF(220, 90)})
        circle(p, c + spot, 50);
}

void butterflyPage(QPainter& p)
{
    hills(p, 740, 25, 2);
    butterfly(p, QPointF(600, 400), 520);
}

void whale(QPainter& p)
{
    for (double x : {540.0, 620.0})
        circle(p, QPointF(x, 120), 60);
    line(p, QPointF(580, 260), QPointF(580, 180));
    QPainterPath body(QPointF(200, 500));
    body.cubicTo(QPointF(200, 200), QPointF(800, 180), QPointF(900, 420));
    body.lineTo(1080, 260);
    body.lineTo(1080, 560);
    body.lineTo(920, 500);
    body.cubicTo(QPointF(800, 680), QPointF(250, 700), QPointF(200, 500));
    shape(p, body);
    QPainterPath belly(QPointF(230, 560));
    belly.cubicTo(QPointF(400, 540), QPointF(650, 540), QPointF(850, 560));
    stroke(p, belly);
    dot(p, QPointF(360, 420), 22);
    hills(p, 700, 30, 4);
}

void snailPage(QPainter& p)
{
    hills(p, 650, 20, 2);
    QPainterPath body(QPointF(150, 640));
    body.lineTo(950, 640);
    body.cubicTo(QPointF(1060, 640), QPointF(1080, 400), QPointF(980, 360));
    body.cubicTo(QPointF(900, 340), QPointF(860, 430), QPointF(860, 560));
    body.lineTo(150, 600);
    body.closeSubpath();
    line(p, QPointF(960, 380), QPointF(930, 220));
    line(p, QPointF(1010, 390), QPointF(1080, 240));
    shape(p, body);
    dot(p, QPointF(975, 450), 20);
    circle(p, QPointF(530, 400), 250);
    QPainterPath spiral(QPointF(530, 400));
    for (int i = 1; i <= 60; ++i) {
        const double a = i * 0.25, r = 3.1 * i;
        spiral.lineTo(530 + r * std::cos(a), 400 + r * std::sin(a));
    }
    stroke(p, spiral);
}

QImage logo()
{
    return drawLogo(QColor(150, 225, 250), [](QPainter& p) {
        p.setBrush(QColor(190, 130, 80));
        p.drawEllipse(QPointF(16, 20), 7, 7);
        p.drawEllipse(QPointF(41, 20), 7, 7);
        p.drawEllipse(QPointF(28.5, 35), 18, 16);
        p.setBrush(QColor(235, 200, 160));
        p.drawEllipse(QPointF(28.5, 42), 8, 6);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(22, 31), 2.2, 2.5);
        p.drawEllipse(QPointF(35, 31), 2.2, 2.5);
        p.drawEllipse(QPointF(28.5, 39.5), 2.5, 2);
    });
}

} // namespace

BookSet pequeanimalesSet()
{
    return {"pequeanimales", kLine, logo, {catFace, fish, duck, bearFace, ladybug, butterflyPage, whale, snailPage}};
}

} // namespace resources
