// The window background "fondo.jpg": a calm tile that repeats without seams.
#include "background.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace resources {
namespace {

constexpr int kTile = 160;

// Soft little stars and dots on a pale blue, painted once per neighbouring
// tile position so that shapes crossing an edge continue on the other side.
void sprinkle(QPainter& p)
{
    const QPointF stars[] = {{20, 30}, {100, 12}, {140, 90}, {60, 120}, {150, 150}};
    const QPointF dots[] = {{70, 50}, {125, 45}, {30, 85}, {100, 100}, {10, 150}, {95, 150}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(216, 232, 250));
    for (QPointF c : dots)
        p.drawEllipse(c, 4, 4);
    p.setBrush(QColor(250, 240, 205));
    for (QPointF c : stars) {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 4.0 : 9.0;
            const QPointF corner = c + QPointF(r * std::sin(i * 0.6283185307), -r * std::cos(i * 0.6283185307));
            i ? star.lineTo(corner) : star.moveTo(corner);
        }
        star.closeSubpath();
        p.drawPath(star);
    }
}

} // namespace

QImage backgroundTile()
{
    QImage image(kTile, kTile, QImage::Format_RGB32);
    image.fill(QColor(200, 222, 245));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * kTile, dy * kTile);
            sprinkle(p);
            p.restore();
        }
    }
    return image;
}

} // namespace resources
