// Drawing line art: black outlines on white, two colours only, no antialiasing.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>

namespace lineart {

using PageDrawing = std::function<void(QPainter&)>;

// The pen of line art: round, pure black, `lineWidth` pixels.
QPen linePen(double lineWidth);

// A white picture of `width` x `height` on which `draw` paints with linePen()
// and a white brush, without antialiasing; returned with exactly two colours,
// pure black and pure white, and cleaned for shrinking (cleanForShrinking).
QImage drawLineArt(int width, int height, int lineWidth, const PageDrawing& draw);

// Shapes are painted filled in white and outlined in black, so a later shape
// covers what lies under it and every area stays closed.
void shape(QPainter& p, const QPainterPath& path);
void ellipse(QPainter& p, QPointF centre, double rx, double ry);
void circle(QPainter& p, QPointF centre, double r);
void polygon(QPainter& p, const QPolygonF& points);
void rect(QPainter& p, const QRectF& r, double radius = 0);
// A tube of `width` along `centreLine` with round ends, outlined: tails,
// trunks, tentacles, branches.
void tube(QPainter& p, const QPainterPath& centreLine, double width);
// An open stroke (no fill).
void stroke(QPainter& p, const QPainterPath& path);
void line(QPainter& p, QPointF a, QPointF b);
// A point on the circle of radius `r` round `centre`, at `degrees` clockwise from east.
QPointF polar(QPointF centre, double r, double degrees);
// A filled black dot (eyes, noses).
void dot(QPainter& p, QPointF centre, double r);

QPainterPath ellipsePath(QPointF centre, double rx, double ry);
QPainterPath starPath(QPointF centre, double outer, double inner, int points, double turnDegrees = 0);
QPainterPath heartPath(QPointF centre, double size);
// A smooth closed curve through `points` (Catmull-Rom turned into cubics).
QPainterPath blobPath(const QPolygonF& points);
// `path` turned by `degrees` round `centre`.
QPainterPath turned(const QPainterPath& path, QPointF centre, double degrees);

} // namespace lineart
