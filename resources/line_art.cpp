// Drawing pages: black outlines on white, two colours only, no antialiasing.
#include "line_art.h"

#include "page_cleanup.h"

#include <QPainterPathStroker>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace resources {
namespace {

// Any pixel that is not pure white becomes pure black, so the page has two
// colours whatever the painter did at the edges.
QImage twoColours(const QImage& drawn)
{
    QImage image = drawn.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = (row[x] & 0xFFFFFFu) == 0xFFFFFFu ? 0xFFFFFFFFu : 0xFF000000u;
    }
    return image;
}

} // namespace

QImage drawLineArt(QSize size, int lineWidth, const PageDrawing& draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(double(size.width()) / kPageWidth, double(size.height()) / kPageHeight);
        p.setPen(QPen(Qt::black, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        draw(p);
    }
    QImage page = twoColours(image);
    cleanPage(page);
    return page;
}

QImage drawPage(int lineWidth, const PageDrawing& draw)
{
    return drawLineArt(kPagePixels, lineWidth, draw);
}

void shape(QPainter& p, const QPainterPath& path)
{
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void ellipse(QPainter& p, QPointF centre, double rx, double ry) { shape(p, ellipsePath(centre, rx, ry)); }
void circle(QPainter& p, QPointF centre, double r) { ellipse(p, centre, r, r); }

void polygon(QPainter& p, const QPolygonF& points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    shape(p, path);
}

void rect(QPainter& p, const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    shape(p, path);
}

void tube(QPainter& p, const QPainterPath& centreLine, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    shape(p, stroker.createStroke(centreLine).simplified());
}

void stroke(QPainter& p, const QPainterPath& path)
{
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setBrush(Qt::white);
}

void line(QPainter& p, QPointF a, QPointF b) { p.drawLine(a, b); }

void dot(QPainter& p, QPointF centre, double r)
{
    p.setBrush(Qt::black);
    p.drawEllipse(centre, r, r);
    p.setBrush(Qt::white);
}

QPainterPath ellipsePath(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath starPath(QPointF centre, double outer, double inner, int points, double turnDegrees)
{
    QPolygonF corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = (turnDegrees - 90 + 180.0 * i / points) * std::numbers::pi / 180;
        const double r = i % 2 ? inner : outer;
        corners << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(QPointF c, double s)
{
    QPainterPath path(c + QPointF(0, 0.9 * s));
    path.cubicTo(c + QPointF(-1.2 * s, 0.1 * s), c + QPointF(-0.9 * s, -0.9 * s), c + QPointF(0, -0.35 * s));
    path.cubicTo(c + QPointF(0.9 * s, -0.9 * s), c + QPointF(1.2 * s, 0.1 * s), c + QPointF(0, 0.9 * s));
    return path;
}

QPainterPath blobPath(const QPolygonF& pts)
{
    const int n = int(pts.size());
    QPainterPath path(pts[0]);
    for (int i = 0; i < n; ++i) {
        const QPointF p0 = pts[(i + n - 1) % n], p1 = pts[i], p2 = pts[(i + 1) % n], p3 = pts[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath turned(const QPainterPath& path, QPointF centre, double degrees)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

} // namespace resources
