// The icon is drawn once, on a 256-unit square, and painted either into a
// picture of any size or into an SVG document, so every size shows the same
// drawing.
#include "app_icon.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>

namespace resources {
namespace {

constexpr int kUnits = 256;
const QColor kOutline(40, 40, 48);
const QColor kCrayonRed(220, 40, 40);
const QColor kCrayonDark(150, 20, 25);

// Outlines stay near one pixel wide at the small sizes, where a scaled-down
// line would vanish and a wider one would swallow the colours.
qreal outlineWidth(int size) { return std::max(6.0, 0.8 * kUnits / size); }

void drawPage(QPainter& p, qreal line, bool detailed)
{
    p.save();
    p.translate(118, 124);
    p.rotate(-7);
    if (detailed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(QRectF(-82, -96, 172, 208), 14, 14); // shadow
    }
    p.setPen(QPen(kOutline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-88, -104, 172, 208), 14, 14);
    // The drawing on the page: a sun, a hill and a heart, partly coloured.
    p.setBrush(QColor(255, 205, 40));
    p.drawEllipse(QPointF(-44, -60), 26, 26);
    QPainterPath hill;
    hill.moveTo(-88, 70);
    hill.cubicTo(-50, 20, 10, 20, 84, 64);
    hill.lineTo(84, 90);
    hill.arcTo(QRectF(56, 76, 28, 28), 0, -90);
    hill.lineTo(-74, 104);
    hill.arcTo(QRectF(-88, 76, 28, 28), -90, -90);
    hill.closeSubpath();
    p.setBrush(QColor(90, 190, 70));
    p.drawPath(hill);
    QPainterPath heart;
    heart.moveTo(30, 20);
    heart.cubicTo(-14, -8, 0, -62, 30, -36);
    heart.cubicTo(60, -62, 74, -8, 30, 20);
    p.setBrush(QColor(90, 150, 240));
    p.drawPath(heart);
    p.restore();
}

// The crayon in its own frame: the back end at x = 0, the point towards +x.
void drawCrayon(QPainter& p, qreal line, bool detailed)
{
    p.save();
    p.translate(232, 214);
    p.rotate(-140);
    const QPen outline(kOutline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(kCrayonRed);
    p.drawRoundedRect(QRectF(0, -22, 120, 44), 8, 8);
    p.drawPolygon(QPolygonF({QPointF(118, -22), QPointF(164, -8), QPointF(164, 8), QPointF(118, 22)}));
    p.setBrush(kCrayonDark);
    p.drawPolygon(QPolygonF({QPointF(162, -9), QPointF(178, 0), QPointF(162, 9)}));
    // The paper wrapper, with two bands where there is room for them.
    p.setBrush(QColor(255, 236, 200));
    p.drawRect(QRectF(26, -22, 64, 44));
    if (detailed) {
        p.setBrush(kCrayonRed);
        p.drawRect(QRectF(36, -22, 8, 44));
        p.drawRect(QRectF(72, -22, 8, 44));
    }
    p.restore();
}

void drawIcon(QPainter& p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size) / kUnits, qreal(size) / kUnits);
    const qreal line = outlineWidth(size);
    // Shadows and the wrapper's bands only blur the smallest sizes.
    drawPage(p, line, size >= 32);
    drawCrayon(p, line, size >= 48);
}

} // namespace

QImage appIcon(int size)
{
    Q_ASSERT(size > 0);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawIcon(painter, size);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray appIconSvg()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kUnits, kUnits));
    svg.setViewBox(QRect(0, 0, kUnits, kUnits));
    svg.setTitle("Tintaro");
    svg.setDescription("A red crayon over a page being coloured in");
    QPainter painter(&svg);
    drawIcon(painter, kUnits);
    painter.end();
    return bytes;
}

} // namespace resources
