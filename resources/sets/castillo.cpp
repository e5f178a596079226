// "castillo": castles, dragons, crowns and treasure, for older children.
#include "lineart/motifs.h"
#include "lineart/sea_motifs.h"
#include "sets/sets.h"

#include <cmath>

namespace resources {
namespace {

constexpr int kLine = 4;

void flag(QPainter& p, QPointF top, double s)
{
    line(p, top, top + QPointF(0, s));
    polygon(p, {top, top + QPointF(s * 0.8, s * 0.2), top + QPointF(0, s * 0.4)});
}

// A wall or tower top with battlements from x0 to x1 at height `top`.
void battlements(QPainter& p, double x0, double x1, double top, int teeth)
{
    const double w = (x1 - x0) / (2 * teeth - 1);
    for (int i = 0; i < teeth; ++i)
        rect(p, QRectF(x0 + 2 * i * w, top - w * 0.8, w, w * 0.8 + 6));
}

void tower(QPainter& p, double x, double w, double top, double ground, bool roof)
{
    if (roof) {
        polygon(p, {QPointF(x - w * 0.62, top), QPointF(x, top - w * 1.3), QPointF(x + w * 0.62, top)});
        flag(p, QPointF(x, top - w * 1.3 - 90), 92);
    } else {
        battlements(p, x - w / 2, x + w / 2, top, 3);
    }
    rect(p, QRectF(x - w / 2, top, w, ground - top));
    QPainterPath window(QPointF(x - w * 0.15, top + w * 0.9));
    window.lineTo(x - w * 0.15, top + w * 0.5);
    window.arcTo(QRectF(x - w * 0.15, top + w * 0.35, w * 0.3, w * 0.3), 180, -180);
    window.lineTo(x + w * 0.15, top + w * 0.9);
    window.closeSubpath();
    shape(p, window);
}

void castle(QPainter& p)
{
    cloud(p, QPointF(420, 90), 180);
    cloud(p, QPointF(790, 90), 180);
    hills(p, 560, 25, 3);
    battlements(p, 330, 870, 360, 6);
    rect(p, QRectF(330, 360, 540, 300));
    tower(p, 250, 150, 320, 660, true);
    tower(p, 950, 150, 320, 660, true);
    tower(p, 600, 170, 200, 360, false);
    QPainterPath gate(QPointF(520, 660));
    gate.lineTo(520, 520);
    gate.arcTo(QRectF(520, 440, 160, 160), 180, -180);
    gate.lineTo(680, 660);
    gate.closeSubpath();
    shape(p, gate);
    for (double x : {560.0, 600.0, 640.0})
        line(p, QPointF(x, 450), QPointF(x, 660));
    for (double y : {540.0, 600.0})
        line(p, QPointF(520, y), QPointF(680, y));
    waves(p, 690, 8, 20);
    polygon(p, {QPointF(510, 660), QPointF(690, 660), QPointF(720, 780), QPointF(480, 780)});
}

void towerPage(QPainter& p)
{
    circle(p, QPointF(1040, 140), 80);
    circle(p, QPointF(1080, 110), 70);
    for (QPointF c : {QPointF(150, 120), QPointF(350, 250), QPointF(850, 90), QPointF(950, 330)})
        shape(p, starPath(c, 38, 16, 5));
    hills(p, 620, 30, 2);
    tower(p, 600, 260, 260, 700, true);
    rect(p, QRectF(540, 560, 120, 140), 50);
    for (int i = 0; i < 6; ++i) {
        const QPointF leaf(490 + (i % 2) * 14, 680 - i * 60);
        shape(p, turned(ellipsePath(leaf, 26, 12), leaf, i % 2 ? 30 : -30));
    }
    flower(p, QPointF(200, 800), 170, 6, 26);
    flower(p, QPointF(1000, 800), 170, 5, 26);
}

void dragon(QPainter& p)
{
    cloud(p, QPointF(250, 110), 240);
    hills(p, 640, 25, 2);
    QPainterPath tail(QPointF(760, 560));
    tail.cubicTo(QPointF(950, 640), QPointF(1050, 560), QPointF(1080, 440));
    tube(p, tail, 60);
    polygon(p, {QPointF(1060, 450), QPointF(1100, 350), QPointF(1130, 460)});
    for (double side : {-1.0, 1.0}) {
        QPainterPath wing(QPointF(560 + side * 60, 380));
        wing.lineTo(560 + side * 260, 180);
        wing.quadTo(560 + side * 230, 300, 560 + side * 300, 330);
        wing.quadTo(560 + side * 220, 360, 560 + side * 240, 430);
        wing.closeSubpath();
        shape(p, wing);
    }
    ellipse(p, QPointF(600, 540), 200, 170);
    const QPointF belly(580, 560);
    ellipse(p, belly, 110, 120);
    for (double dy : {-75.0, -25.0, 25.0, 75.0}) {
        const double half = 110 * std::sqrt(1 - dy * dy / (120.0 * 120.0));
        line(p, belly + QPointF(-half, dy), belly + QPointF(half, dy));
    }
    for (double x : {480.0, 720.0})
        ellipse(p, QPointF(x, 700), 80, 40);
    const QPointF h(580, 290);
    for (double side : {-1.0, 1.0})
        polygon(p, {h + QPointF(side * 40, -80), h + QPointF(side * 70, -150), h + QPointF(side * 90, -60)});
    ellipse(p, h, 120, 100);
    ellipse(p, h + QPointF(-80, 40), 90, 60);
    for (double side : {-1.0, 1.0}) {
        circle(p, h + QPointF(side * 45, -30), 26);
        dot(p, h + QPointF(side * 45, -26), 10);
    }
    dot(p, h + QPointF(-130, 30), 8);
    dot(p, h + QPointF(-95, 25), 8);
    for (QPointF puff : {QPointF(330, 380), QPointF(260, 340), QPointF(200, 380)})
        circle(p, puff, 40);
}

void crown(QPainter& p)
{
    ellipse(p, QPointF(600, 650), 380, 110);
    QPainterPath band(QPointF(330, 560));
    band.lineTo(330, 300);
    for (int i = 0; i < 5; ++i) {
        const double x = 330 + i * 135;
        band.lineTo(x + 67, 180 + (i % 2) * 60);
        band.lineTo(x + 135, 300);
    }
    band.lineTo(1005, 560);
    band.closeSubpath();
    shape(p, band);
    for (int i = 0; i < 5; ++i)
        circle(p, QPointF(397 + i * 135, 165 + (i % 2) * 60), 30);
    rect(p, QRectF(330, 470, 675, 90));
    for (int i = 0; i < 5; ++i) {
        const double x = 400 + i * 135;
        polygon(p, {QPointF(x, 485), QPointF(x + 30, 515), QPointF(x, 545), QPointF(x - 30, 515)});
    }
    for (int i = 0; i < 4; ++i)
        circle(p, QPointF(467 + i * 135, 390), 38);
    for (QPointF c : {QPointF(150, 150), QPointF(1080, 130), QPointF(140, 450), QPointF(1090, 420)})
        shape(p, starPath(c, 45, 18, 4));
}

void sword(QPainter& p, QPointF hilt, QPointF tip)
{
    QPainterPath blade(hilt);
    blade.lineTo(tip);
    tube(p, blade, 50);
    const QPointF along = (tip - hilt) / std::hypot(tip.x() - hilt.x(), tip.y() - hilt.y());
    const QPointF across(-along.y(), along.x());
    polygon(p, {hilt + across * 75 + along * 20, hilt + across * 75 - along * 20, hilt - across * 75 - along * 20,
                hilt - across * 75 + along * 20});
    circle(p, hilt - along * 60, 30);
}

void shield(QPainter& p)
{
    sword(p, QPointF(930, 680), QPointF(300, 120));
    sword(p, QPointF(270, 680), QPointF(900, 120));
    QPainterPath outline(QPointF(380, 200));
    outline.lineTo(820, 200);
    outline.cubicTo(QPointF(820, 500), QPointF(750, 650), QPointF(600, 760));
    outline.cubicTo(QPointF(450, 650), QPointF(380, 500), QPointF(380, 200));
    shape(p, outline);
    line(p, QPointF(600, 200), QPointF(600, 760));
    line(p, QPointF(380, 400), QPointF(820, 400));
    for (double x : {660.0, 720.0, 780.0})
        line(p, QPointF(x, 200), QPointF(x - 60, 400));
    circle(p, QPointF(600, 400), 70);
    shape(p, starPath(QPointF(600, 400), 50, 22, 5));
    circle(p, QPointF(490, 300), 40);
    shape(p, heartPath(QPointF(700, 520), 50));
    for (QPointF c : {QPointF(120, 140), QPointF(1080, 140), QPointF(130, 430), QPointF(1070, 430)})
        shape(p, starPath(c, 45, 18, 4));
}

void carriage(QPainter& p)
{
    for (QPointF c : {QPointF(150, 120), QPointF(450, 90), QPointF(1050, 150), QPointF(800, 200)})
        shape(p, starPath(c, 38, 16, 5));
    hills(p, 660, 0, 1);
    for (double x : {380.0, 820.0}) {
        circle(p, QPointF(x, 640), 110);
        circle(p, QPointF(x, 640), 95);
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 4;
            line(p, QPointF(x, 640) + 95 * QPointF(std::cos(a), std::sin(a)),
                 QPointF(x, 640) - 95 * QPointF(std::cos(a), std::sin(a)));
        }
        circle(p, QPointF(x, 640), 20);
    }
    ellipse(p, QPointF(600, 420), 300, 210);
    for (double x : {-150.0, 0.0, 150.0}) {
        QPainterPath rib(QPointF(600 + x * 0.6, 212));
        rib.quadTo(600 + x * 1.35, 420, 600 + x * 0.6, 628);
        stroke(p, rib);
    }
    rect(p, QRectF(530, 330, 140, 150), 60);
    line(p, QPointF(600, 330), QPointF(600, 480));
    rect(p, QRectF(560, 160, 80, 50), 10);
    circle(p, QPointF(600, 130), 30);
}

void treasure(QPainter& p)
{
    for (int i = 0; i < 9; ++i)
        ellipse(p, QPointF(200 + i * 100 + (i % 2) * 20, 740 - (i % 3) * 25), 55, 22);
    QPainterPath lid(QPointF(330, 360));
    lid.cubicTo(QPointF(330, 180), QPointF(870, 180), QPointF(870, 360));
    lid.closeSubpath();
    shape(p, lid);
    rect(p, QRectF(330, 360, 540, 320));
    for (double x : {430.0, 770.0})
        rect(p, QRectF(x - 30, 240, 60, 440));
    rect(p, QRectF(540, 320, 120, 120), 16);
    circle(p, QPointF(600, 370), 18);
    for (QPointF gem : {QPointF(150, 600), QPointF(1050, 620), QPointF(1000, 450)})
        polygon(p, {gem + QPointF(0, -50), gem + QPointF(45, 0), gem + QPointF(0, 50), gem + QPointF(-45, 0)});
    for (QPointF c : {QPointF(200, 200), QPointF(1000, 180)})
        shape(p, starPath(c, 50, 20, 4));
}

void tents(QPainter& p)
{
    sun(p, QPointF(1080, 120), 80, 8, true);
    cloud(p, QPointF(580, 100), 240);
    hills(p, 600, 20, 2);
    for (QPointF base : {QPointF(330, 680), QPointF(850, 700)}) {
        const double w = 420;
        polygon(p, {base + QPointF(-w / 2, -240), base + QPointF(0, -420), base + QPointF(w / 2, -240)});
        rect(p, QRectF(base.x() - w / 2, base.y() - 240, w, 240));
        for (int i = 1; i < 4; ++i)
            line(p, QPointF(base.x() - w / 2 + i * w / 4, base.y() - 240), QPointF(base.x() - w / 2 + i * w / 4, base.y()));
        for (int i = 1; i < 4; ++i)
            line(p, base + QPointF(0, -420), QPointF(base.x() - w / 2 + i * w / 4, base.y() - 240));
        polygon(p, {base + QPointF(-50, 0), base + QPointF(0, -150), base + QPointF(50, 0)});
        flag(p, base + QPointF(0, -500), 80);
    }
}

QImage logo()
{
    return drawLogo(QColor(200, 170, 240), [](QPainter& p) {
        p.setBrush(QColor(190, 190, 205));
        p.drawRect(QRectF(10, 30, 37, 26));
        p.drawRect(QRectF(8, 20, 12, 36));
        p.drawRect(QRectF(37, 20, 12, 36));
        p.setBrush(QColor(230, 60, 80));
        p.drawPolygon(QPolygonF({QPointF(6, 21), QPointF(14, 9), QPointF(22, 21)}));
        p.drawPolygon(QPolygonF({QPointF(35, 21), QPointF(43, 9), QPointF(51, 21)}));
        p.setBrush(QColor(120, 80, 50));
        p.drawRoundedRect(QRectF(23, 42, 11, 14), 5, 5);
    });
}

} // namespace

BookSet castilloSet()
{
    return {"castillo", kLine, logo, {castle, dragon, crown, towerPage, shield, carriage, treasure, tents}};
}

} // namespace resources
