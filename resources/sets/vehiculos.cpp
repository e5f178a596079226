// "vehiculos": cars, trains, planes and boats, for older children.
#include "lineart/motifs.h"
#include "lineart/sea_motifs.h"
#include "sets/sets.h"

#include <cmath>

namespace resources {
namespace {

constexpr int kLine = 4;

void wheel(QPainter& p, QPointF c, double r)
{
    circle(p, c, r);
    circle(p, c, r * 0.5);
    circle(p, c, r * 0.15);
}

void road(QPainter& p, double y)
{
    rect(p, QRectF(-20, y, kPageWidth + 40, kPageHeight - y + 20));
    for (double x = 40; x < kPageWidth; x += 240)
        rect(p, QRectF(x, y + 55, 130, 20));
}

void carPage(QPainter& p)
{
    sun(p, QPointF(1060, 120), 80, 8, true);
    cloud(p, QPointF(350, 110), 260);
    hills(p, 450, 40, 3);
    tree(p, QPointF(160, 600), 300);
    firTree(p, QPointF(1080, 600), 280);
    road(p, 600);
    QPainterPath body(QPointF(260, 650));
    body.lineTo(260, 520);
    body.lineTo(420, 500);
    body.lineTo(500, 380);
    body.lineTo(760, 380);
    body.lineTo(860, 500);
    body.lineTo(960, 520);
    body.lineTo(960, 650);
    body.closeSubpath();
    shape(p, body);
    polygon(p, {QPointF(445, 500), QPointF(515, 405), QPointF(620, 405), QPointF(620, 500)});
    polygon(p, {QPointF(650, 500), QPointF(650, 405), QPointF(745, 405), QPointF(825, 500)});
    rect(p, QRectF(920, 540, 40, 30));
    rect(p, QRectF(260, 540, 30, 30));
    line(p, QPointF(635, 500), QPointF(635, 640));
    wheel(p, QPointF(400, 650), 70);
    wheel(p, QPointF(820, 650), 70);
}

void busPage(QPainter& p)
{
    cloud(p, QPointF(900, 100), 280);
    sun(p, QPointF(150, 120), 80, 8, true);
    hills(p, 420, 30, 2);
    firTree(p, QPointF(90, 600), 300);
    road(p, 640);
    rect(p, QRectF(170, 230, 900, 380), 40);
    for (int i = 0; i < 6; ++i)
        rect(p, QRectF(200 + i * 125, 270, 100, 110), 10);
    rect(p, QRectF(960, 270, 80, 260), 10);
    line(p, QPointF(1000, 270), QPointF(1000, 530));
    rect(p, QRectF(170, 430, 900, 40));
    rect(p, QRectF(1040, 520, 40, 40), 8);
    wheel(p, QPointF(330, 620), 70);
    wheel(p, QPointF(880, 620), 70);
    rect(p, QRectF(1100, 380, 20, 240));
    circle(p, QPointF(1110, 350), 45);
}

void trainPage(QPainter& p)
{
    for (QPointF c : {QPointF(1000, 190), QPointF(890, 120), QPointF(760, 80)})
        circle(p, c, 45 + (c.x() - 700) * 0.12);
    hills(p, 420, 30, 3);
    rect(p, QRectF(-20, 640, kPageWidth + 40, 30));
    for (double x = 20; x < kPageWidth; x += 80)
        rect(p, QRectF(x, 670, 40, 25));
    rect(p, QRectF(1030, 260, 60, 110));
    rect(p, QRectF(760, 220, 200, 200), 10);
    rect(p, QRectF(790, 250, 140, 90), 10);
    rect(p, QRectF(760, 400, 390, 170), 10);
    polygon(p, {QPointF(1150, 460), QPointF(1190, 570), QPointF(1150, 570)});
    for (double x : {90.0, 430.0}) {
        rect(p, QRectF(x, 330, 300, 240), 10);
        rect(p, QRectF(x + 30, 360, 100, 80), 8);
        rect(p, QRectF(x + 170, 360, 100, 80), 8);
        line(p, QPointF(x + 300, 520), QPointF(x + 340, 520));
    }
    line(p, QPointF(730, 520), QPointF(760, 520));
    for (double x : {160.0, 320.0, 500.0, 660.0})
        wheel(p, QPointF(x, 600), 42);
    for (double x : {840.0, 960.0, 1080.0})
        wheel(p, QPointF(x, 590), 52);
}

void planePage(QPainter& p)
{
    sun(p, QPointF(130, 130), 85, 8, true);
    cloud(p, QPointF(700, 110), 260);
    cloud(p, QPointF(250, 650), 300);
    cloud(p, QPointF(1000, 700), 280);
    polygon(p, {QPointF(640, 420), QPointF(470, 720), QPointF(560, 720), QPointF(780, 420)});
    polygon(p, {QPointF(260, 380), QPointF(180, 240), QPointF(250, 240), QPointF(350, 380)});
    QPainterPath body(QPointF(220, 360));
    body.lineTo(900, 340);
    body.cubicTo(QPointF(1040, 340), QPointF(1040, 460), QPointF(900, 460));
    body.lineTo(260, 440);
    body.closeSubpath();
    shape(p, body);
    polygon(p, {QPointF(640, 400), QPointF(520, 200), QPointF(600, 200), QPointF(780, 400)});
    for (int i = 0; i < 6; ++i)
        circle(p, QPointF(380 + i * 80, 385), 20);
    polygon(p, {QPointF(930, 355), QPointF(990, 370), QPointF(990, 395), QPointF(930, 395)});
}

void fireTruck(QPainter& p)
{
    sun(p, QPointF(1060, 120), 80, 8, true);
    cloud(p, QPointF(450, 100), 260);
    hills(p, 420, 25, 2);
    tree(p, QPointF(1110, 560), 280);
    road(p, 620);
    rect(p, QRectF(120, 300, 620, 300), 16);
    QPainterPath cab(QPointF(740, 600));
    cab.lineTo(740, 280);
    cab.lineTo(920, 280);
    cab.lineTo(1000, 420);
    cab.lineTo(1000, 600);
    cab.closeSubpath();
    shape(p, cab);
    polygon(p, {QPointF(770, 310), QPointF(900, 310), QPointF(960, 420), QPointF(770, 420)});
    rect(p, QRectF(800, 230, 60, 50), 10);
    rect(p, QRectF(100, 210, 620, 60));
    for (int i = 0; i < 8; ++i)
        line(p, QPointF(150 + i * 75, 210), QPointF(150 + i * 75, 270));
    for (int i = 0; i < 3; ++i)
        rect(p, QRectF(160 + i * 190, 360, 150, 120), 10);
    line(p, QPointF(120, 520), QPointF(740, 520));
    for (double x : {260.0, 600.0, 880.0})
        wheel(p, QPointF(x, 610), 65);
}

void bicyclePage(QPainter& p)
{
    sun(p, QPointF(1060, 120), 85, 8, true);
    cloud(p, QPointF(300, 110), 260);
    hills(p, 450, 35, 3);
    flower(p, QPointF(1080, 790), 180, 6, 28);
    flower(p, QPointF(120, 790), 160, 5, 26);
    const QPointF back(380, 600), front(820, 600), pedal(580, 600);
    for (QPointF c : {back, front}) {
        circle(p, c, 150);
        circle(p, c, 125);
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 4;
            line(p, c + 125 * QPointF(std::cos(a), std::sin(a)), c - 125 * QPointF(std::cos(a), std::sin(a)));
        }
        circle(p, c, 18);
    }
    QPainterPath frame(back);
    frame.lineTo(pedal);
    frame.lineTo(760, 400);
    frame.lineTo(500, 400);
    frame.lineTo(back);
    frame.moveTo(500, 400);
    frame.lineTo(pedal);
    frame.moveTo(front);
    frame.lineTo(740, 330);
    tube(p, frame, 18);
    rect(p, QRectF(440, 355, 110, 30), 15);
    rect(p, QRectF(690, 310, 110, 26), 13);
    circle(p, pedal, 35);
}

void helicopterPage(QPainter& p)
{
    sun(p, QPointF(130, 130), 80, 8, true);
    cloud(p, QPointF(950, 120), 260);
    hills(p, 620, 35, 3);
    cloud(p, QPointF(330, 520), 220);
    rect(p, QRectF(300, 160, 700, 26), 13);
    rect(p, QRectF(630, 186, 40, 60));
    polygon(p, {QPointF(480, 400), QPointF(120, 340), QPointF(120, 400), QPointF(480, 470)});
    circle(p, QPointF(140, 330), 55);
    line(p, QPointF(100, 290), QPointF(180, 370));
    ellipse(p, QPointF(650, 400), 230, 160);
    QPainterPath window(QPointF(680, 260));
    window.cubicTo(QPointF(800, 265), QPointF(840, 330), QPointF(845, 400));
    window.lineTo(680, 400);
    window.closeSubpath();
    shape(p, window);
    rect(p, QRectF(500, 320, 120, 90), 12);
    rect(p, QRectF(470, 600, 380, 24), 12);
    line(p, QPointF(560, 550), QPointF(540, 600));
    line(p, QPointF(760, 550), QPointF(780, 600));
}

void shipPage(QPainter& p)
{
    cloud(p, QPointF(250, 110), 250);
    for (QPointF c : {QPointF(830, 100), QPointF(900, 60)})
        circle(p, c, 40);
    rect(p, QRectF(700, 180, 80, 120));
    rect(p, QRectF(840, 160, 80, 140));
    rect(p, QRectF(300, 290, 720, 100), 10);
    rect(p, QRectF(380, 210, 560, 80), 10);
    for (int i = 0; i < 7; ++i)
        rect(p, QRectF(340 + i * 95, 315, 60, 45), 8);
    polygon(p, {QPointF(150, 390), QPointF(1120, 390), QPointF(1020, 560), QPointF(240, 560)});
    for (int i = 0; i < 8; ++i)
        circle(p, QPointF(320 + i * 95, 450), 20);
    waves(p, 520, 10, 30);
    fish(p, QPointF(300, 700), 70, false);
    fish(p, QPointF(900, 720), 60, true);
}

QImage logo()
{
    return drawLogo(QColor(255, 230, 90), [](QPainter& p) {
        p.setBrush(QColor(230, 50, 50));
        p.drawRoundedRect(QRectF(8, 28, 41, 14), 4, 4);
        p.drawPolygon(QPolygonF({QPointF(16, 28), QPointF(22, 19), QPointF(38, 19), QPointF(44, 28)}));
        p.setBrush(QColor(200, 235, 255));
        p.drawPolygon(QPolygonF({QPointF(20, 27), QPointF(24, 22), QPointF(29, 22), QPointF(29, 27)}));
        p.drawPolygon(QPolygonF({QPointF(32, 27), QPointF(32, 22), QPointF(37, 22), QPointF(41, 27)}));
        p.setBrush(QColor(50, 50, 50));
        p.drawEllipse(QPointF(17, 43), 5.5, 5.5);
        p.drawEllipse(QPointF(40, 43), 5.5, 5.5);
    });
}

} // namespace

BookSet vehiculosSet()
{
    return {"vehiculos", kLine, logo, {carPage, busPage, trainPage, planePage, fireTruck, bicyclePage, helicopterPage, shipPage}};
}

} // namespace resources
