// "espacio": rockets, planets and friendly visitors, for older children.
#include "lineart/motifs.h"
#include "sets/sets.h"

#include <cmath>

namespace resources {
namespace {

constexpr int kLine = 4;

void stars(QPainter& p, std::initializer_list<QPointF> where, double size)
{
    int i = 0;
    for (QPointF c : where) {
        shape(p, starPath(c, size * (i % 2 ? 0.8 : 1.0), size * 0.42, 5, i * 11.0));
        ++i;
    }
}

// The ground of a moon: a gentle slope with craters.
void moonGround(QPainter& p, double y)
{
    hills(p, y, 25, 2);
    for (QPointF c : {QPointF(180, y + 110), QPointF(600, y + 150), QPointF(1000, y + 100)})
        ellipse(p, c, 90, 30);
}

// A planet of radius r, with a ring round it when asked: the ring's back half
// is hidden by the planet and its front half crosses it.
void planet(QPainter& p, QPointF c, double r, bool rings)
{
    const QRectF outer(c.x() - 1.9 * r, c.y() - 0.45 * r, 3.8 * r, 0.9 * r);
    const QRectF inner(c.x() - 1.4 * r, c.y() - 0.22 * r, 2.8 * r, 0.44 * r);
    if (rings) {
        QPainterPath band;
        band.addEllipse(outer);
        band.addEllipse(inner);
        shape(p, band);
    }
    circle(p, c, r);
    if (rings) {
        QPainterPath front(QPointF(outer.left(), c.y()));
        front.arcTo(outer, 180, 180);
        front.lineTo(inner.right(), c.y());
        front.arcTo(inner, 0, -180);
        front.closeSubpath();
        shape(p, front);
    }
}

void rocket(QPainter& p, QPointF base, double s)
{
    polygon(p, {base + QPointF(-s * 0.3, 0), base + QPointF(0, s * 0.9), base + QPointF(s * 0.3, 0)});
    polygon(p, {base + QPointF(-s * 0.15, 0), base + QPointF(0, s * 0.5), base + QPointF(s * 0.15, 0)});
    for (double side : {-1.0, 1.0})
        polygon(p, {base + QPointF(side * s * 0.3, -s * 0.7), base + QPointF(side * s * 0.65, s * 0.05),
                    base + QPointF(side * s * 0.3, -s * 0.05)});
    QPainterPath body(base + QPointF(-s * 0.35, 0));
    body.lineTo(base + QPointF(-s * 0.35, -s * 1.3));
    body.cubicTo(base + QPointF(-s * 0.35, -s * 1.8), base + QPointF(0, -s * 2.1), base + QPointF(0, -s * 2.1));
    body.cubicTo(base + QPointF(0, -s * 2.1), base + QPointF(s * 0.35, -s * 1.8), base + QPointF(s * 0.35, -s * 1.3));
    body.lineTo(base + QPointF(s * 0.35, 0));
    body.closeSubpath();
    shape(p, body);
    line(p, base + QPointF(-s * 0.33, -s * 1.5), base + QPointF(s * 0.33, -s * 1.5));
    circle(p, base + QPointF(0, -s * 1.05), s * 0.2);
    circle(p, base + QPointF(0, -s * 1.05), s * 0.12);
    line(p, base + QPointF(-s * 0.35, -s * 0.3), base + QPointF(s * 0.35, -s * 0.3));
}

void launch(QPainter& p)
{
    circle(p, QPointF(1040, 140), 90);
    circle(p, QPointF(1010, 120), 20);
    circle(p, QPointF(1070, 170), 15);
    stars(p, {QPointF(150, 120), QPointF(320, 260), QPointF(780, 120), QPointF(880, 330), QPointF(200, 480),
              QPointF(1000, 450)}, 40);
    rocket(p, QPointF(600, 560), 200);
    moonGround(p, 690);
}

void planets(QPainter& p)
{
    QPainterPath sunEdge(QPointF(-20, -20));
    sunEdge.lineTo(300, -20);
    sunEdge.quadTo(300, 280, -20, 300);
    sunEdge.closeSubpath();
    shape(p, sunEdge);
    planet(p, QPointF(600, 330), 130, true);
    planet(p, QPointF(980, 600), 110, false);
    ellipse(p, QPointF(950, 570), 40, 25);
    ellipse(p, QPointF(1020, 640), 30, 18);
    planet(p, QPointF(300, 620), 70, false);
    planet(p, QPointF(1020, 180), 50, false);
    stars(p, {QPointF(450, 90), QPointF(880, 250), QPointF(120, 420), QPointF(600, 700), QPointF(780, 760),
              QPointF(500, 540)}, 35);
}

void astronaut(QPainter& p)
{
    circle(p, QPointF(1020, 160), 110);
    QPainterPath land(QPointF(960, 110));
    land.quadTo(1040, 90, 1060, 160);
    land.quadTo(1000, 200, 960, 110);
    shape(p, land);
    stars(p, {QPointF(150, 110), QPointF(830, 90), QPointF(920, 420), QPointF(110, 380)}, 35);
    moonGround(p, 640);
    line(p, QPointF(260, 640), QPointF(260, 320));
    rect(p, QRectF(260, 320, 170, 110));
    const QPointF c(620, 430);
    rect(p, QRectF(c.x() - 150, c.y() - 120, 300, 230), 30);
    for (double side : {-1.0, 1.0}) {
        QPainterPath arm(c + QPointF(side * 120, -60));
        arm.quadTo(c + QPointF(side * 230, -20), c + QPointF(side * 220, 90));
        tube(p, arm, 60);
        rect(p, QRectF(c.x() + side * 60 - 45, c.y() + 100, 90, 150), 20);
        ellipse(p, c + QPointF(side * 70, 260), 70, 35);
    }
    rect(p, QRectF(c.x() - 110, c.y() - 70, 220, 180), 20);
    rect(p, QRectF(c.x() - 60, c.y() - 20, 120, 70), 10);
    circle(p, c + QPointF(-30, 15), 14);
    circle(p, c + QPointF(30, 15), 14);
    circle(p, c + QPointF(0, -220), 130);
    ellipse(p, c + QPointF(0, -215), 95, 75);
}

void alien(QPainter& p)
{
    stars(p, {QPointF(120, 110), QPointF(400, 80), QPointF(1100, 120), QPointF(1020, 330), QPointF(150, 380)}, 35);
    planet(p, QPointF(1000, 600), 60, true);
    const QPointF c(600, 330);
    QPainterPath beam(c + QPointF(-70, 60));
    beam.lineTo(c + QPointF(-230, 420));
    beam.lineTo(c + QPointF(230, 420));
    beam.lineTo(c + QPointF(70, 60));
    beam.closeSubpath();
    shape(p, beam);
    ellipse(p, c + QPointF(0, -60), 160, 130);
    for (double side : {-1.0, 1.0}) {
        line(p, c + QPointF(side * 40, -150), c + QPointF(side * 70, -230));
        circle(p, c + QPointF(side * 70, -235), 18);
    }
    circle(p, c + QPointF(0, -70), 80);
    for (double side : {-1.0, 1.0}) {
        ellipse(p, c + QPointF(side * 30, -90), 20, 26);
        dot(p, c + QPointF(side * 30, -85), 9);
    }
    ellipse(p, c + QPointF(0, 20), 340, 90);
    for (int i = 0; i < 5; ++i)
        circle(p, c + QPointF(-200 + i * 100, 40), 24);
    rect(p, QRectF(c.x() - 60, c.y() + 380, 120, 120), 20);
}

void moonBase(QPainter& p)
{
    planet(p, QPointF(200, 160), 100, false);
    QPainterPath land(QPointF(140, 110));
    land.quadTo(220, 70, 260, 140);
    land.quadTo(200, 230, 140, 110);
    shape(p, land);
    stars(p, {QPointF(520, 90), QPointF(800, 160), QPointF(1100, 90), QPointF(650, 290)}, 32);
    moonGround(p, 560);
    for (QPointF c : {QPointF(820, 560), QPointF(1040, 580)}) {
        QPainterPath dome(c + QPointF(-130, 0));
        dome.arcTo(QRectF(c.x() - 130, c.y() - 130, 260, 260), 180, -180);
        dome.closeSubpath();
        shape(p, dome);
        rect(p, QRectF(c.x() - 30, c.y() - 80, 60, 80), 25);
    }
    rect(p, QRectF(930, 520, 40, 40));
    rect(p, QRectF(260, 520, 300, 110), 20);
    rect(p, QRectF(300, 460, 140, 60), 10);
    line(p, QPointF(500, 520), QPointF(540, 410));
    ellipse(p, QPointF(550, 400), 40, 20);
    for (double x : {300.0, 410.0, 520.0})
        circle(p, QPointF(x, 650), 40);
}

void satellite(QPainter& p)
{
    planet(p, QPointF(950, 700), 300, false);
    QPainterPath sea(QPointF(760, 520));
    sea.cubicTo(QPointF(850, 460), QPointF(950, 560), QPointF(900, 640));
    sea.cubicTo(QPointF(840, 700), QPointF(720, 620), QPointF(760, 520));
    shape(p, sea);
    stars(p, {QPointF(120, 120), QPointF(1100, 100), QPointF(150, 650), QPointF(700, 90)}, 32);
    const QPointF c(520, 330);
    for (double side : {-1.0, 1.0}) {
        line(p, c + QPointF(side * 80, 0), c + QPointF(side * 130, 0));
        const QRectF panel(c.x() + (side < 0 ? -400 : 130), c.y() - 70, 270, 140);
        rect(p, panel);
        for (int i = 1; i < 4; ++i)
            line(p, QPointF(panel.left() + i * panel.width() / 4, panel.top()),
                 QPointF(panel.left() + i * panel.width() / 4, panel.bottom()));
        line(p, QPointF(panel.left(), panel.center().y()), QPointF(panel.right(), panel.center().y()));
    }
    line(p, c + QPointF(0, -90), c + QPointF(0, -170));
    QPainterPath dish(c + QPointF(-70, -170));
    dish.quadTo(c + QPointF(0, -110), c + QPointF(70, -170));
    dish.closeSubpath();
    shape(p, dish);
    rect(p, QRectF(c.x() - 90, c.y() - 100, 180, 200), 16);
    circle(p, c, 40);
}

void comet(QPainter& p)
{
    QPainterPath tail(QPointF(760, 280));
    tail.lineTo(140, 60);
    tail.lineTo(230, 200);
    tail.lineTo(100, 240);
    tail.lineTo(740, 360);
    tail.closeSubpath();
    shape(p, tail);
    line(p, QPointF(700, 320), QPointF(300, 220));
    circle(p, QPointF(780, 320), 70);
    planet(p, QPointF(300, 600), 110, true);
    planet(p, QPointF(1050, 560), 80, false);
    for (QPointF crater : {QPointF(1020, 530), QPointF(1075, 590)})
        circle(p, crater, 18);
    rocket(p, QPointF(700, 720), 70);
    stars(p, {QPointF(1000, 120), QPointF(560, 520), QPointF(880, 700), QPointF(1100, 300), QPointF(480, 150),
              QPointF(100, 450), QPointF(900, 460), QPointF(600, 780)}, 38);
}

void station(QPainter& p)
{
    stars(p, {QPointF(120, 110), QPointF(1080, 120), QPointF(150, 680), QPointF(1050, 700), QPointF(600, 760)}, 34);
    rect(p, QRectF(150, 385, 900, 30));
    for (double x : {170.0, 870.0}) {
        for (double y : {170.0, 450.0}) {
            rect(p, QRectF(x, y, 180, 180));
            line(p, QPointF(x + 90, y), QPointF(x + 90, y + 180));
            line(p, QPointF(x, y + 90), QPointF(x + 180, y + 90));
        }
        rect(p, QRectF(x + 75, 350, 30, 100));
    }
    rect(p, QRectF(440, 320, 320, 160), 40);
    circle(p, QPointF(600, 400), 120);
    for (double a = 0; a < 360; a += 60)
        circle(p, QPointF(600 + 80 * std::cos(a * M_PI / 180), 400 + 80 * std::sin(a * M_PI / 180)), 22);
    circle(p, QPointF(600, 400), 35);
    rocket(p, QPointF(600, 240), 60);
}

QImage logo()
{
    return drawLogo(QColor(60, 60, 140), [](QPainter& p) {
        p.setBrush(QColor(240, 240, 250));
        p.drawPolygon(QPolygonF({QPointF(22, 50), QPointF(22, 24), QPointF(28.5, 12), QPointF(35, 24), QPointF(35, 50)}));
        p.setBrush(QColor(230, 60, 60));
        p.drawPolygon(QPolygonF({QPointF(22, 40), QPointF(14, 52), QPointF(22, 50)}));
        p.drawPolygon(QPolygonF({QPointF(35, 40), QPointF(43, 52), QPointF(35, 50)}));
        p.setBrush(QColor(255, 190, 40));
        p.drawPolygon(QPolygonF({QPointF(24, 51), QPointF(28.5, 61), QPointF(33, 51)}));
        p.setBrush(QColor(110, 190, 250));
        p.drawEllipse(QPointF(28.5, 31), 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 90));
        for (QPointF s : {QPointF(10, 14), QPointF(47, 20), QPointF(9, 33), QPointF(48, 40)})
            p.drawEllipse(s, 1.8, 1.8);
    });
}

} // namespace

BookSet espacioSet()
{
    return {"espacio", kLine, logo, {launch, astronaut, planets, alien, moonBase, satellite, comet, station}};
}

} // namespace resources
