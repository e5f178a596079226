// The pictures on the main window's buttons, drawn by code.
#include "shell/faces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace faces {
namespace {

const QColor kInk(35, 35, 45);

// A transparent picture of w x h on which `draw` paints with antialiasing
// and a dark round pen.
QImage face(int w, int h, const std::function<void(QPainter&)>& draw)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
    return image;
}

void eyesAndSmile(QPainter& p, QPointF c, double s)
{
    p.setBrush(kInk);
    p.drawEllipse(c + QPointF(-s, -s * 0.4), s * 0.28, s * 0.34);
    p.drawEllipse(c + QPointF(s, -s * 0.4), s * 0.28, s * 0.34);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - s * 0.8, c.y() - s * 0.5, s * 1.6, s * 1.2), 200 * 16, 140 * 16);
}

void printer(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 4, 31, 24)); // the sheet coming out
    p.setPen(QPen(QColor(230, 60, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 11), QPointF(42, 11));
    p.setPen(QPen(QColor(60, 150, 230), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 17), QPointF(37, 17));
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient body(0, 22, 0, 56);
    body.setColorAt(0, QColor(190, 220, 250));
    body.setColorAt(1, QColor(110, 150, 210));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(5, 22, 57, 34), 8, 8);
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(14, 50, 39, 13), 3, 3); // the tray
    eyesAndSmile(p, QPointF(33.5, 38), 9);
    p.setBrush(QColor(120, 230, 120));
    p.drawEllipse(QPointF(53, 29), 2.5, 2.5); // the power light
}

void magnifier(QPainter& p)
{
    p.setPen(QPen(kInk, 2));
    p.save();
    p.translate(44, 40);
    p.rotate(45);
    p.setBrush(QColor(170, 100, 50));
    p.drawRoundedRect(QRectF(0, -5, 24, 10), 4, 4);
    p.restore();
    QRadialGradient lens(QPointF(22, 20), 22);
    lens.setColorAt(0, QColor(235, 248, 255));
    lens.setColorAt(1, QColor(150, 200, 240));
    p.setPen(QPen(QColor(70, 70, 80), 5));
    p.setBrush(lens);
    p.drawEllipse(QPointF(27, 26), 19, 19);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(15, 14, 24, 24), 100 * 16, 60 * 16);
}

void undoArrow(QPainter& p)
{
    const QColor grey(110, 110, 115);
    p.setPen(QPen(grey, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 8, 20, 18), -90 * 16, 250 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(grey);
    p.drawPolygon(QPolygonF({QPointF(2, 11), QPointF(13, 4), QPointF(13, 18)}));
}

// A red ball with a white arrow pointing right.
void ballWithArrow(QPainter& p)
{
    QRadialGradient ball(QPointF(29, 24), 36);
    ball.setColorAt(0, QColor(255, 120, 110));
    ball.setColorAt(0.6, QColor(225, 30, 30));
    ball.setColorAt(1, QColor(150, 10, 15));
    p.setBrush(ball);
    p.drawEllipse(QPointF(37, 33.5), 31, 31);
    p.setPen(QPen(QColor(120, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(19, 27), QPointF(37, 27), QPointF(37, 16), QPointF(56, 33.5),
                             QPointF(37, 51), QPointF(37, 40), QPointF(19, 40)}));
}

void eraser(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 180, 80));
    p.drawRoundedRect(QRectF(0, 0, 59, 80), 8, 8);
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(230, 190, 20));
    p.drawPolygon(QPolygonF({QPointF(14, 22), QPointF(34, 12), QPointF(48, 20), QPointF(28, 30)})); // top
    p.setBrush(QColor(200, 160, 10));
    p.drawPolygon(QPolygonF({QPointF(28, 30), QPointF(48, 20), QPointF(48, 56), QPointF(28, 66)})); // side
    p.setBrush(QColor(255, 225, 50));
    p.drawPolygon(QPolygonF({QPointF(14, 22), QPointF(28, 30), QPointF(28, 66), QPointF(14, 58)})); // front
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 235, 130));
    for (QPointF crumb : {QPointF(12, 70), QPointF(20, 73), QPointF(42, 70)})
        p.drawEllipse(crumb, 2.5, 2);
}

void door(QPainter& p)
{
    p.setBrush(QColor(235, 225, 205));
    p.drawRect(QRectF(4, 3, 47, 61)); // the frame
    QLinearGradient wood(10, 0, 45, 0);
    wood.setColorAt(0, QColor(190, 120, 60));
    wood.setColorAt(1, QColor(140, 80, 35));
    p.setBrush(wood);
    p.drawRect(QRectF(10, 8, 35, 56));
    p.setBrush(QColor(165, 100, 45));
    p.drawRoundedRect(QRectF(15, 13, 25, 18), 3, 3);
    p.drawRoundedRect(QRectF(15, 37, 25, 21), 3, 3);
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(QPointF(39, 35), 3, 3);
}

void paletteIcon(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(240, 205, 150));
    QPainterPath board;
    board.addEllipse(QRectF(1, 4, 30, 25));
    QPainterPath hole;
    hole.addEllipse(QRectF(18, 18, 7, 6));
    p.drawPath(board.subtracted(hole));
    p.setPen(Qt::NoPen);
    const QColor paints[] = {QColor(230, 30, 40), QColor(255, 210, 20), QColor(40, 170, 60), QColor(40, 110, 230)};
    const QPointF spots[] = {QPointF(8, 12), QPointF(15, 9), QPointF(23, 11), QPointF(8, 20)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(paints[i]);
        p.drawEllipse(spots[i], 3.5, 3.5);
    }
}

} // namespace

QImage printerFace() { return face(67, 67, printer); }
QImage magnifierFace() { return face(68, 62, magnifier); }
QImage undoFace() { return face(32, 32, undoArrow); }
QImage nextPageFace() { return face(74, 67, ballWithArrow); }
QImage previousPageFace() { return nextPageFace().mirrored(true, false); }
QImage eraserFace() { return face(59, 80, eraser); }
QImage doorFace() { return face(55, 66, door); }
QImage windowIcon() { return face(32, 32, paletteIcon); }

} // namespace faces
