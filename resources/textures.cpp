// The texture pictures: 97 x 73 tiles that repeat seamlessly with that period.
#include "textures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace resources {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
using Painting = std::function<void(QPainter&)>;

// Paints `draw` nine times, shifted by one period each way, so whatever
// crosses an edge comes back in at the opposite one and the tile is seamless.
QImage wrapped(QColor base, const Painting& draw)
{
    QImage image(kTextureWidth, kTextureHeight, QImage::Format_RGB32);
    image.fill(base);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * kTextureWidth, dy * kTextureHeight);
            draw(p);
            p.restore();
        }
    }
    return image;
}

// A picture made pixel by pixel from u, v in [0, 1) across the tile; `colour`
// must be periodic in u and v with period 1 (whole numbers of waves across).
QImage perPixel(const std::function<QRgb(double u, double v)>& colour)
{
    QImage image(kTextureWidth, kTextureHeight, QImage::Format_RGB32);
    for (int y = 0; y < kTextureHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kTextureWidth; ++x)
            row[x] = colour(double(x) / kTextureWidth, double(y) / kTextureHeight);
    }
    return image;
}

QRgb blend(QRgb a, QRgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto m = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

QImage wood()
{
    return perPixel([](double u, double v) {
        const double grain = std::sin(kTwoPi * (6 * v + 0.35 * std::sin(kTwoPi * (u + v)) + 0.1 * std::sin(kTwoPi * 3 * u)));
        return blend(qRgb(196, 140, 82), qRgb(150, 96, 50), 0.5 + 0.5 * grain);
    });
}

QImage bricks()
{
    return wrapped(QColor(225, 215, 200), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 70, 50));
        const double rowHeight = kTextureHeight / 4.0, brick = kTextureWidth / 3.0;
        for (int row = 0; row < 4; ++row) {
            for (int i = 0; i < 3; ++i) {
                const double x = i * brick + (row % 2) * brick / 2;
                p.drawRoundedRect(QRectF(x + 1.5, row * rowHeight + 1.5, brick - 3, rowHeight - 3), 2, 2);
            }
        }
    });
}

QImage dots()
{
    return wrapped(QColor(255, 235, 120), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 60, 90));
        for (int row = 0; row < 3; ++row) {
            for (int i = 0; i < 4; ++i) {
                const double x = (i + (row % 2) * 0.5) * kTextureWidth / 4.0;
                p.drawEllipse(QPointF(x, (row + 0.5) * kTextureHeight / 3.0), 6, 6);
            }
        }
    });
}

// Keeps two colours out of every texture: the texture fill's marker colour
// (a pixel of it would be taken for unfilled marker) and pure black (the
// outline colour the border fill stops at).
QImage withoutReservedColours(QImage image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xFFFFFFu) == 0xFFE0C0u)
                row[x] = qRgb(255, 224, 196);
            else if ((row[x] & 0xFFFFFFu) == 0)
                row[x] = qRgb(8, 8, 8);
        }
    }
    return image;
}

QImage stripes()
{
    return perPixel([](double u, double v) {
        const double t = std::fmod(5 * u + 3 * v, 1.0);
        return t < 0.5 ? qRgb(90, 170, 235) : qRgb(245, 250, 255);
    });
}

void addStar(QPainterPath& path, QPointF c, double r)
{
    for (int i = 0; i < 10; ++i) {
        const double a = i * kTwoPi / 10 - std::numbers::pi / 2;
        const QPointF corner = c + (i % 2 ? 0.45 : 1.0) * r * QPointF(std::cos(a), std::sin(a));
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
}

QImage stars()
{
    return wrapped(QColor(30, 40, 110), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 60));
        QPainterPath path;
        const QPointF where[] = {{15, 15}, {62, 10}, {40, 45}, {85, 50}, {10, 62}};
        const double size[] = {9, 6, 10, 7, 5};
        for (int i = 0; i < 5; ++i)
            addStar(path, where[i], size[i]);
        p.drawPath(path);
    });
}

QImage scales()
{
    return wrapped(QColor(60, 160, 140), [](QPainter& p) {
        p.setPen(QPen(QColor(20, 90, 80), 2));
        p.setBrush(QColor(110, 205, 180));
        const double w = kTextureWidth / 6.0, h = kTextureHeight / 6.0;
        for (int row = 0; row < 6; ++row)
            for (int i = 0; i < 6; ++i)
                p.drawChord(QRectF((i + (row % 2) * 0.5) * w - w / 2, row * h - h / 2, w, 2 * h), 180 * 16, 180 * 16);
    });
}

QImage grass()
{
    return wrapped(QColor(110, 190, 70), [](QPainter& p) {
        unsigned seed = 7;
        auto next = [&seed] { seed = seed * 1103515245u + 12345u; return double((seed >> 8) & 0xFFFF) / 65536.0; };
        for (int i = 0; i < 40; ++i) {
            const QPointF base(next() * kTextureWidth, next() * kTextureHeight);
            p.setPen(QPen(next() < 0.5 ? QColor(60, 140, 40) : QColor(150, 215, 90), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(base, base + QPointF((next() - 0.5) * 8, -8 - 8 * next()));
        }
    });
}

QImage water()
{
    return perPixel([](double u, double v) {
        const double wave = std::sin(kTwoPi * (5 * v + 0.25 * std::sin(kTwoPi * 2 * u)));
        const double glint = std::sin(kTwoPi * (3 * u + 2 * v));
        return blend(qRgb(40, 120, 200), qRgb(140, 205, 245), 0.5 + 0.4 * wave + 0.1 * glint);
    });
}

QImage clouds()
{
    return wrapped(QColor(140, 200, 245), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(252, 252, 255));
        for (QPointF c : {QPointF(20, 20), QPointF(70, 50)}) {
            p.drawEllipse(c, 14, 8);
            p.drawEllipse(c + QPointF(-9, 3), 9, 6);
            p.drawEllipse(c + QPointF(8, -4), 10, 8);
            p.drawEllipse(c + QPointF(12, 3), 9, 6);
        }
    });
}

QImage checks()
{
    return perPixel([](double u, double v) {
        const bool a = int(u * 6) % 2, b = int(v * 4) % 2;
        return a && b ? qRgb(220, 40, 50) : (a || b ? qRgb(240, 150, 150) : qRgb(255, 250, 245));
    });
}

QImage hearts()
{
    return wrapped(QColor(255, 225, 235), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 70, 120));
        for (QPointF c : {QPointF(24, 18), QPointF(72, 55)}) {
            QPainterPath heart(c + QPointF(0, 10));
            heart.cubicTo(c + QPointF(-14, 0), c + QPointF(-10, -12), c + QPointF(0, -4));
            heart.cubicTo(c + QPointF(10, -12), c + QPointF(14, 0), c + QPointF(0, 10));
            p.drawPath(heart);
        }
    });
}

QImage flowers()
{
    return wrapped(QColor(200, 235, 170), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        const QPointF where[] = {{20, 25}, {70, 15}, {55, 58}};
        const QColor petals[] = {QColor(255, 255, 255), QColor(250, 150, 200), QColor(170, 150, 250)};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(petals[i]);
            for (int k = 0; k < 5; ++k)
                p.drawEllipse(where[i] + 6 * QPointF(std::cos(k * kTwoPi / 5), std::sin(k * kTwoPi / 5)), 4.5, 4.5);
            p.setBrush(QColor(255, 210, 40));
            p.drawEllipse(where[i], 3.5, 3.5);
        }
    });
}

QImage zigzag()
{
    return perPixel([](double u, double v) {
        const double tooth = std::abs(std::fmod(5 * u, 1.0) - 0.5);
        const double t = std::fmod(3 * v + 0.8 * tooth, 1.0);
        return t < 0.33 ? qRgb(250, 140, 30) : (t < 0.66 ? qRgb(255, 220, 80) : qRgb(250, 250, 235));
    });
}

} // namespace

std::vector<Texture> textures()
{
    std::vector<Texture> all = {
        {"01madera.bmp", wood()},    {"02ladrillos.bmp", bricks()}, {"03lunares.bmp", dots()},
        {"04rayas.bmp", stripes()},  {"05estrellas.bmp", stars()},  {"06escamas.bmp", scales()},
        {"07hierba.bmp", grass()},   {"08agua.bmp", water()},       {"09nubes.bmp", clouds()},
        {"10cuadros.bmp", checks()}, {"11corazones.bmp", hearts()}, {"12flores.bmp", flowers()},
        {"13zigzag.bmp", zigzag()}};
    for (Texture& texture : all)
        texture.image = withoutReservedColours(texture.image);
    return all;
}

} // namespace resources
