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
// must be periodic in u and v with period 1.
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
        const double grain = std::sin(kTwoPi * (6 * v + 0.35 * std::sin(kTwoPi * (u + 0.4 * v)) + 0.1 * std::sin(kTwoPi * 3 * u)));
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

} // namespace

std::vector<Texture> textures()
{
    std::vector<Texture> all = {{"01madera.bmp", wood()}, {"02ladrillos.bmp", bricks()}, {"03lunares.bmp", dots()}};
    for (Texture& texture : all)
        texture.image = withoutReservedColours(texture.image);
    return all;
}

} // namespace resources
