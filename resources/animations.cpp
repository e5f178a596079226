// The three tool animations: looping GIFs at the sizes of the tool icons.
#include "animations.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace resources {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
const QColor kInk(40, 40, 40);

// kAnimationFrames pictures of `size` on a light background; `draw` gets the
// painter and the phase of the loop, 0 <= t < 1.
std::vector<QImage> frames(QSize size, QColor background, const std::function<void(QPainter&, double)>& draw)
{
    std::vector<QImage> all;
    for (int i = 0; i < kAnimationFrames; ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(background);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        draw(p, double(i) / kAnimationFrames);
        all.push_back(image);
    }
    return all;
}

void water(QPainter& p, double t, double top, double width)
{
    QPainterPath wave(QPointF(0, top));
    for (double x = 0; x <= width; x += 2)
        wave.lineTo(x, top + 2.5 * std::sin(kTwoPi * (x / 30 - t)));
    wave.lineTo(width, 200);
    wave.lineTo(0, 200);
    wave.closeSubpath();
    p.setBrush(QColor(120, 190, 240));
    p.drawPath(wave);
}

void duck(QPainter& p, double t)
{
    const double bob = 2.5 * std::sin(kTwoPi * t);
    p.translate(0, bob);
    p.setBrush(QColor(255, 215, 40));
    p.drawEllipse(QPointF(42, 60), 28, 17);                       // body
    p.drawPolygon(QPolygonF({QPointF(14, 52), QPointF(6, 42), QPointF(22, 50)}));  // tail
    p.drawEllipse(QPointF(58, 32), 14, 13);                       // head
    p.setBrush(QColor(250, 130, 30));
    p.drawPolygon(QPolygonF({QPointF(70, 29), QPointF(84, 34), QPointF(70, 38)}));  // beak
    p.setBrush(kInk);
    p.drawEllipse(QPointF(61, 29), 2.2, 2.2);
    p.setBrush(QColor(250, 190, 30));
    p.save();
    p.translate(36, 56);
    p.rotate(-25 * std::sin(kTwoPi * t));                          // flapping wing
    p.drawEllipse(QPointF(0, 0), 14, 8);
    p.restore();
    p.translate(0, -bob);
}

// The pencil writes a wave from the left; its body leans back to the left so
// it stays inside the picture all the way.
void pencil(QPainter& p, double t)
{
    auto wave = [](double x) { return 104 + 6 * std::sin(x / 5); };
    const double x = 30 + 36 * (t + 1.0 / kAnimationFrames);
    QPainterPath trail(QPointF(6, wave(6)));
    for (double s = 6; s <= x; s += 1)
        trail.lineTo(s, wave(s));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 40, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(trail);
    p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.save();
    p.translate(x, wave(x));
    p.rotate(-12);
    p.setBrush(QColor(240, 200, 150));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(-8, -18), QPointF(8, -18)}));      // wood
    p.setBrush(QColor(220, 40, 60));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(-3, -7), QPointF(3, -7)}));        // lead
    p.setBrush(QColor(255, 210, 40));
    p.drawRect(QRectF(-8, -70, 16, 52));                                               // body
    p.drawLine(QPointF(0, -70), QPointF(0, -18));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(-8, -80, 16, 10));                                               // band
    p.setBrush(QColor(250, 150, 170));
    p.drawRoundedRect(QRectF(-8, -92, 16, 12), 4, 4);                                  // eraser
    p.restore();
}

void ruler(QPainter& p, double t)
{
    p.save();
    p.translate(47, 44);
    p.rotate(-12);
    p.setBrush(QColor(150, 220, 120));
    p.drawRect(QRectF(-40, 4, 80, 16));
    for (int i = 0; i <= 16; ++i)
        p.drawLine(QPointF(-36 + i * 4.5, 4), QPointF(-36 + i * 4.5, i % 2 ? 8 : 11));
    const double end = -34 + 68 * (t + 1.0 / kAnimationFrames);
    p.setPen(QPen(QColor(40, 90, 220), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-34, 0), QPointF(end, 0));
    p.setPen(QPen(kInk, 1.8));
    p.setBrush(QColor(230, 50, 60));
    p.drawEllipse(QPointF(-34, 0), 3.5, 3.5);
    p.drawEllipse(QPointF(end, 0), 3.5, 3.5);
    p.restore();
}

} // namespace

std::vector<QImage> duckFrames()
{
    return frames(QSize(90, 91), QColor(235, 246, 255), [](QPainter& p, double t) {
        duck(p, t);
        water(p, t, 70, 90);
    });
}

std::vector<QImage> pencilFrames() { return frames(QSize(74, 121), QColor(252, 248, 232), pencil); }

std::vector<QImage> rulerFrames() { return frames(QSize(94, 81), QColor(252, 248, 232), ruler); }

} // namespace resources
