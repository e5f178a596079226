// "mar": life in and on the sea, for older children.
#include "lineart/motifs.h"
#include "lineart/sea_motifs.h"
#include "sets/sets.h"

#include <cmath>

namespace resources {
namespace {

constexpr int kLine = 4;

void reef(QPainter& p)
{
    sand(p, 700);
    seaweed(p, QPointF(100, 720), 420, 50);
    seaweed(p, QPointF(170, 730), 300, -40);
    seaweed(p, QPointF(1080, 720), 380, -50);
    fish(p, QPointF(450, 250), 110, false);
    fish(p, QPointF(850, 420), 140, true);
    fish(p, QPointF(420, 540), 80, true);
    bubbles(p, QPointF(700, 300), 4, 22);
    shell(p, QPointF(600, 780), 60);
    starfish(p, QPointF(850, 760), 60, 10);
}

void octopus(QPainter& p)
{
    sand(p, 720);
    const QPointF c(600, 330);
    for (int i = 0; i < 6; ++i) {
        const double x = -250 + i * 100, curl = i < 3 ? -1 : 1;
        QPainterPath arm(c + QPointF(x * 0.5, 100));
        arm.cubicTo(c + QPointF(x * 0.9, 220), c + QPointF(x * 1.2 - curl * 60, 300), c + QPointF(x * 1.3, 360));
        arm.quadTo(c + QPointF(x * 1.3 + curl * 60, 400), c + QPointF(x * 1.3 + curl * 50, 340));
        tube(p, arm, 44);
    }
    ellipse(p, c, 230, 200);
    for (double side : {-1.0, 1.0}) {
        ellipse(p, c + QPointF(side * 80, 0), 45, 55);
        dot(p, c + QPointF(side * 80, 10), 18);
        circle(p, c + QPointF(side * 140, -110), 28);
    }
    QPainterPath mouth(c + QPointF(-50, 90));
    mouth.quadTo(c + QPointF(0, 130), c + QPointF(50, 90));
    stroke(p, mouth);
    bubbles(p, QPointF(950, 400), 4, 24);
    seaweed(p, QPointF(120, 740), 380, 40);
    shell(p, QPointF(1020, 790), 55);
}

void whalePage(QPainter& p)
{
    sun(p, QPointF(1050, 120), 85, 8, true);
    cloud(p, QPointF(250, 110), 250);
    for (double x : {520.0, 600.0, 680.0})
        circle(p, QPointF(x, 160 - std::abs(x - 600) * 0.5), 45);
    line(p, QPointF(600, 320), QPointF(600, 210));
    QPainterPath body(QPointF(250, 480));
    body.cubicTo(QPointF(250, 250), QPointF(800, 230), QPointF(880, 420));
    body.lineTo(1050, 300);
    body.lineTo(1020, 560);
    body.lineTo(890, 480);
    body.cubicTo(QPointF(800, 620), QPointF(280, 640), QPointF(250, 480));
    shape(p, body);
    dot(p, QPointF(370, 420), 14);
    waves(p, 560, 8, 50);
    sailboat(p, QPointF(180, 720), 90);
    fish(p, QPointF(800, 720), 70, true);
    fish(p, QPointF(520, 730), 50, false);
    bubbles(p, QPointF(1000, 780), 3, 20);
    for (double x : {420.0, 500.0}) {
        QPainterPath gull(QPointF(x - 30, 220));
        gull.quadTo(x - 15, 195, x, 220);
        gull.quadTo(x + 15, 195, x + 30, 220);
        stroke(p, gull);
    }
}

void crabBeach(QPainter& p)
{
    sun(p, QPointF(130, 120), 85, 8, true);
    waves(p, 330, 7, 35);
    sailboat(p, QPointF(900, 330), 90);
    sand(p, 520);
    const QPointF c(600, 620);
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < 3; ++i)
            line(p, c + QPointF(side * 120, 20 + i * 35), c + QPointF(side * (260 + i * 20), 80 + i * 50));
        line(p, c + QPointF(side * 140, -40), c + QPointF(side * 250, -140));
        circle(p, c + QPointF(side * 270, -180), 60);
        polygon(p, {c + QPointF(side * 270, -180), c + QPointF(side * 340, -250), c + QPointF(side * 200, -250)});
        line(p, c + QPointF(side * 50, -80), c + QPointF(side * 70, -160));
        circle(p, c + QPointF(side * 70, -180), 28);
        dot(p, c + QPointF(side * 70, -180), 10);
    }
    ellipse(p, c, 170, 110);
    QPainterPath smile(c + QPointF(-50, 20));
    smile.quadTo(c + QPointF(0, 60), c + QPointF(50, 20));
    stroke(p, smile);
    starfish(p, QPointF(180, 720), 70, 15);
    shell(p, QPointF(1020, 770), 60);
}

void sailing(QPainter& p)
{
    sun(p, QPointF(1040, 130), 80, 8, true);
    cloud(p, QPointF(300, 120), 280);
    cloud(p, QPointF(700, 80), 200);
    for (double x : {480.0, 560.0}) {
        QPainterPath gull(QPointF(x - 30, 220));
        gull.quadTo(x - 15, 195, x, 220);
        gull.quadTo(x + 15, 195, x + 30, 220);
        stroke(p, gull);
    }
    QPainterPath island(QPointF(850, 460));
    island.quadTo(1000, 380, 1150, 460);
    island.closeSubpath();
    shape(p, island);
    QPainterPath trunk(QPointF(990, 430));
    trunk.quadTo(1010, 360, 980, 290);
    trunk.lineTo(1000, 290);
    trunk.quadTo(1030, 360, 1015, 425);
    trunk.closeSubpath();
    shape(p, trunk);
    for (double a : {-160.0, -120.0, -60.0, -20.0})
        shape(p, turned(ellipsePath(QPointF(1070, 290), 80, 22), QPointF(990, 290), a + 180));
    waves(p, 460, 9, 30);
    sailboat(p, QPointF(450, 600), 190);
    fish(p, QPointF(950, 700), 70, false);
}

void lighthouse(QPainter& p)
{
    cloud(p, QPointF(900, 110), 260);
    QPainterPath rocks(QPointF(150, 620));
    rocks.cubicTo(QPointF(200, 480), QPointF(550, 470), QPointF(650, 620));
    rocks.closeSubpath();
    shape(p, rocks);
    const double x = 400;
    polygon(p, {QPointF(x - 90, 560), QPointF(x - 60, 200), QPointF(x + 60, 200), QPointF(x + 90, 560)});
    for (double y : {290.0, 380.0, 470.0})
        line(p, QPointF(x - 80 + (560 - y) * 0.0, y), QPointF(x + 80, y));
    rect(p, QRectF(x - 80, 180, 160, 30));
    for (double side : {-1.0, 1.0})
        polygon(p, {QPointF(x, 135), QPointF(x + side * 330, 70), QPointF(x + side * 330, 200)});
    rect(p, QRectF(x - 50, 100, 100, 80));
    polygon(p, {QPointF(x - 70, 100), QPointF(x, 40), QPointF(x + 70, 100)});
    rect(p, QRectF(x - 25, 480, 50, 80), 20);
    waves(p, 600, 8, 35);
    sailboat(p, QPointF(900, 560), 120);
    fish(p, QPointF(650, 740), 70, false);
    starfish(p, QPointF(1080, 740), 55, 0);
}

void submarine(QPainter& p)
{
    sand(p, 720);
    bubbles(p, QPointF(200, 380), 4, 24);
    line(p, QPointF(560, 250), QPointF(560, 120));
    line(p, QPointF(560, 120), QPointF(620, 120));
    rect(p, QRectF(500, 220, 170, 110), 30);
    polygon(p, {QPointF(980, 420), QPointF(1080, 330), QPointF(1080, 510)});
    ellipse(p, QPointF(600, 420), 400, 140);
    for (double x : {380.0, 520.0, 660.0, 800.0}) {
        circle(p, QPointF(x, 420), 42);
        circle(p, QPointF(x, 420), 26);
    }
    fish(p, QPointF(900, 170), 80, true);
    fish(p, QPointF(300, 650), 70, false);
    seaweed(p, QPointF(1050, 740), 240, 30);
    shell(p, QPointF(700, 790), 50);
}

void jellyfish(QPainter& p, QPointF c, double s)
{
    for (int i = 0; i < 4; ++i) {
        const double x = -s * 0.6 + i * s * 0.4;
        QPainterPath t(c + QPointF(x, 0));
        t.cubicTo(c + QPointF(x + s * 0.2, s * 0.5), c + QPointF(x - s * 0.2, s * 0.9), c + QPointF(x, s * 1.4));
        stroke(p, t);
    }
    QPainterPath bell(c + QPointF(-s, 0));
    bell.cubicTo(c + QPointF(-s, -s * 1.2), c + QPointF(s, -s * 1.2), c + QPointF(s, 0));
    bell.quadTo(c + QPointF(s * 0.5, s * 0.2), c + QPointF(0, 0));
    bell.quadTo(c + QPointF(-s * 0.5, s * 0.2), c + QPointF(-s, 0));
    shape(p, bell);
    dot(p, c + QPointF(-s * 0.3, -s * 0.4), s * 0.07);
    dot(p, c + QPointF(s * 0.3, -s * 0.4), s * 0.07);
}

void jellyfishes(QPainter& p)
{
    sand(p, 730);
    jellyfish(p, QPointF(300, 300), 130);
    jellyfish(p, QPointF(750, 220), 100);
    jellyfish(p, QPointF(950, 470), 110);
    fish(p, QPointF(560, 560), 90, true);
    fish(p, QPointF(1000, 140), 60, false);
    bubbles(p, QPointF(180, 620), 3, 20);
    for (double x : {620.0, 700.0, 1060.0}) {
        QPainterPath coral(QPointF(x, 760));
        coral.lineTo(x, 660);
        coral.moveTo(x, 700);
        coral.lineTo(x + 40, 640);
        coral.moveTo(x, 720);
        coral.lineTo(x - 40, 670);
        tube(p, coral, 22);
    }
    seaweed(p, QPointF(100, 760), 300, -40);
    starfish(p, QPointF(400, 780), 55, 20);
    shell(p, QPointF(800, 800), 55);
}

QImage logo()
{
    return drawLogo(QColor(110, 190, 245), [](QPainter& p) {
        p.setBrush(QColor(255, 150, 40));
        p.drawPolygon(QPolygonF({QPointF(38, 34), QPointF(50, 24), QPointF(50, 44)}));
        p.drawEllipse(QPointF(26, 34), 15, 10);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(18, 32), 2, 2);
        p.setBrush(QColor(230, 245, 255));
        p.drawEllipse(QPointF(14, 16), 3.5, 3.5);
        p.drawEllipse(QPointF(21, 11), 2.5, 2.5);
        p.setBrush(QColor(40, 110, 200));
        p.drawRect(QRectF(3, 52, 51, 11));
    });
}

} // namespace

BookSet marSet()
{
    return {"mar", kLine, logo, {reef, octopus, whalePage, crabBeach, sailing, lighthouse, submarine, jellyfishes}};
}

} // namespace resources
