// The self-colouring drawing of the splash window, drawn by code.
#include "splash/splash_drawing.h"

#include "lineart/cleaning.h"
#include "lineart/drawing_kit.h"

namespace {

using namespace lineart;

const QRgb kSplashPaper = qRgb(253, 253, 253);

void sun(QPainter& p)
{
    const QPointF c(80, 80);
    for (int i = 0; i < 10; ++i)
        polygon(p, {polar(c, 40, 36.0 * i - 14), polar(c, 68, 36.0 * i), polar(c, 40, 36.0 * i + 14)});
    ellipse(p, c, 44, 44);
}

void cloud(QPainter& p, QPointF c, double s)
{
    QPainterPath path(c + QPointF(-s, s * 0.3));
    path.cubicTo(c + QPointF(-s * 1.3, -s * 0.2), c + QPointF(-s * 0.7, -s * 0.8), c + QPointF(-s * 0.3, -s * 0.45));
    path.cubicTo(c + QPointF(-s * 0.2, -s * 1.1), c + QPointF(s * 0.6, -s * 1.0), c + QPointF(s * 0.5, -s * 0.3));
    path.cubicTo(c + QPointF(s * 1.2, -s * 0.5), c + QPointF(s * 1.3, s * 0.3), c + QPointF(s * 0.9, s * 0.3));
    path.closeSubpath();
    shape(p, path);
}

void house(QPainter& p)
{
    QPainterPath wall;
    wall.addRect(QRectF(20, 250, 150, 140));
    shape(p, wall);
    polygon(p, {QPointF(5, 255), QPointF(95, 165), QPointF(185, 255)});
    QPainterPath door;
    door.addRoundedRect(QRectF(75, 310, 42, 80), 8, 8);
    shape(p, door);
    for (double x : {32.0, 128.0}) {
        QPainterPath window;
        window.addRect(QRectF(x, 275, 32, 32));
        shape(p, window);
        p.drawLine(QPointF(x + 16, 275), QPointF(x + 16, 307));
    }
}

void tree(QPainter& p)
{
    polygon(p, {QPointF(205, 392), QPointF(214, 300), QPointF(232, 300), QPointF(242, 392)});
    QPainterPath crown;
    crown.addEllipse(QPointF(223, 268), 48, 56);
    shape(p, crown);
    for (QPointF apple : {QPointF(205, 250), QPointF(240, 240), QPointF(225, 285)})
        ellipse(p, apple, 9, 9);
}

void flower(QPainter& p, QPointF g, double s)
{
    p.drawLine(g, g - QPointF(0, s * 2.2));
    const QPointF head = g - QPointF(0, s * 2.2);
    for (int i = 0; i < 5; ++i)
        ellipse(p, polar(head, s * 0.75, 72.0 * i - 90), s * 0.5, s * 0.5);
    ellipse(p, head, s * 0.45, s * 0.45);
}

void child(QPainter& p)
{
    const QPointF c(360, 250);
    p.drawLine(c + QPointF(62, 10), QPointF(462, 146));                 // the balloon's string
    ellipse(p, QPointF(462, 110), 30, 36);
    polygon(p, {QPointF(345, 378), QPointF(340, 430), QPointF(352, 430), QPointF(357, 378)}); // legs
    polygon(p, {QPointF(366, 378), QPointF(370, 430), QPointF(382, 430), QPointF(378, 378)});
    ellipse(p, QPointF(340, 436), 16, 9);                               // shoes
    ellipse(p, QPointF(384, 436), 16, 9);
    polygon(p, {c + QPointF(-20, 20), c + QPointF(-70, 75), c + QPointF(-62, 84), c + QPointF(-12, 38)}); // arms
    polygon(p, {c + QPointF(20, 20), c + QPointF(62, 4), c + QPointF(66, 15), c + QPointF(24, 38)});
    ellipse(p, c + QPointF(-68, 82), 10, 10);                            // hands
    ellipse(p, c + QPointF(66, 9), 10, 10);
    polygon(p, {c + QPointF(-22, 12), c + QPointF(22, 12), c + QPointF(55, 130), c + QPointF(-55, 130)}); // dress
    ellipse(p, c + QPointF(0, 70), 10, 10);                              // a button
    ellipse(p, c + QPointF(0, -35), 48, 44);                             // hair
    ellipse(p, c + QPointF(-50, 0), 13, 22);                             // bunches
    ellipse(p, c + QPointF(50, 0), 13, 22);
    ellipse(p, c + QPointF(0, -22), 38, 34);                             // face
    dot(p, c + QPointF(-13, -28), 4);
    dot(p, c + QPointF(13, -28), 4);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 16, c.y() - 28, 32, 24), 200 * 16, 140 * 16);
}

void scene(QPainter& p)
{
    sun(p);
    cloud(p, QPointF(240, 70), 45);
    cloud(p, QPointF(350, 130), 32);
    QPainterPath ground(QPointF(-5, 390));
    ground.cubicTo(QPointF(150, 360), QPointF(350, 420), QPointF(525, 380));
    ground.lineTo(525, 535);
    ground.lineTo(-5, 535);
    ground.closeSubpath();
    shape(p, ground);
    house(p);
    tree(p);
    for (QPointF g : {QPointF(40, 470), QPointF(110, 455), QPointF(180, 478), QPointF(260, 462)})
        flower(p, g, 20);
    child(p);
}

} // namespace

// The scene drawn like a page, then cleaned only of the specks where lines
// cross at a sharp angle: the splash is shown at its own size.
QImage splashDrawing()
{
    QImage image(518, 528, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setPen(linePen(3));
        scene(p);
    }
    QImage lines = linesOf(image);
    thickenThinOutlines(lines);
    fillSmallAreas(lines, kSplashSpeckArea);
    return coloured(lines, kSplashPaper);
}
