// Drawing pages: black outlines on white, two colours only, no antialiasing.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSize>

#include <functional>

namespace resources {

// Pages are drawn in a space of kPageWidth x kPageHeight units. Those
// proportions waste the least canvas on the worst of 4:3, 16:10 and 16:9
// screens (bench/page_survey prints the figures).
inline constexpr int kPageWidth = 1200;
inline constexpr int kPageHeight = 830;
// They are shipped at this size in pixels, the same proportions: no canvas of
// a screen up to 1920 x 1080 at twice the usual density, nor of a 3840 x 2160
// screen, has to enlarge a page, which would make its lines uneven.
inline constexpr QSize kPagePixels(3004, 2078);

using PageDrawing = std::function<void(QPainter&)>;

// A white picture of `size` on which `draw` paints with a round black pen of
// `lineWidth` and a white brush, without antialiasing, in a space of
// kPageWidth x kPageHeight units stretched over the picture; returned with
// exactly two colours, pure black and pure white, and cleaned for shrinking
// (see cleanPage).
QImage drawLineArt(QSize size, int lineWidth, const PageDrawing& draw);
// A page: drawLineArt at kPagePixels.
QImage drawPage(int lineWidth, const PageDrawing& draw);

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
// A filled black dot (eyes, noses).
void dot(QPainter& p, QPointF centre, double r);

QPainterPath ellipsePath(QPointF centre, double rx, double ry);
QPainterPath starPath(QPointF centre, double outer, double inner, int points, double turnDegrees = 0);
QPainterPath heartPath(QPointF centre, double size);
// A smooth closed curve through `points` (Catmull-Rom turned into cubics).
QPainterPath blobPath(const QPolygonF& points);
// `path` turned by `degrees` round `centre`.
QPainterPath turned(const QPainterPath& path, QPointF centre, double degrees);

} // namespace resources
