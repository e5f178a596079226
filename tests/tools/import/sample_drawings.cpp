// The sample pictures, drawn with QPainter the way drawing programs and
// scanners make them: antialiased, JPEG-ready, with noise where photos have it.
#include "sample_drawings.h"

#include "page_fit.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTransform>
#include <cmath>

namespace sampledrawings {
namespace {

constexpr QSize kPicture(1500, 1040);

QImage whitePicture(QSize size = kPicture)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

QPen outline(int width = 4) { return QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QPainterPath heart(QPointF c, double r)
{
    QPainterPath path(c + QPointF(0, r));
    path.cubicTo(c + QPointF(-1.6 * r, -0.2 * r), c + QPointF(-0.6 * r, -1.3 * r), c + QPointF(0, -0.45 * r));
    path.cubicTo(c + QPointF(0.6 * r, -1.3 * r), c + QPointF(1.6 * r, -0.2 * r), c + QPointF(0, r));
    return path;
}

QPainterPath star(QPointF c, double r)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF p = c + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? r * 0.45 : r);
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QRgb scaled(QRgb p, double f, double n)
{
    return qRgb(qBound(0, int(qRed(p) * f + n), 255), qBound(0, int(qGreen(p) * f + n), 255),
                qBound(0, int(qBlue(p) * f + n), 255));
}

// The line drawing on the photographed sheet: a frame, a circle, a triangle
// and a house, 6 areas and the paper round the frame.
Drawing sheetDrawing(QSize size)
{
    Drawing d{whitePicture(size), {}};
    const double w = size.width(), h = size.height();
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(25, 25, 30), 5));
    p.drawRect(QRectF(0.1 * w, kPhotographedTopLine * h, 0.8 * w, 0.76 * h));
    p.drawEllipse(QPointF(0.3 * w, 0.4 * h), 0.12 * w, 0.12 * w);
    p.drawPolygon(QPolygonF({QPointF(0.55 * w, 0.6 * h), QPointF(0.85 * w, 0.6 * h), QPointF(0.7 * w, 0.2 * h)}));
    p.drawRect(QRectF(0.2 * w, 0.65 * h, 0.25 * w, 0.18 * h));
    p.drawLine(QPointF(0.325 * w, 0.65 * h), QPointF(0.325 * w, 0.83 * h));
    d.seeds << QPoint(int(0.04 * w), int(0.04 * h)) << QPoint(int(0.15 * w), int(0.2 * h))
            << QPoint(int(0.3 * w), int(0.4 * h)) << QPoint(int(0.7 * w), int(0.5 * h))
            << QPoint(int(0.26 * w), int(0.74 * h)) << QPoint(int(0.39 * w), int(0.74 * h));
    return d;
}

} // namespace

QList<QPoint> seedsOnPage(const QList<QPoint>& seeds, QSize picture)
{
    const QRect where = importer::placement(picture, importer::kPageSize);
    QList<QPoint> mapped;
    for (const QPoint p : seeds)
        mapped << where.topLeft() + QPoint(int(qint64(p.x()) * where.width() / picture.width()),
                                           int(qint64(p.y()) * where.height() / picture.height()));
    return mapped;
}

double noise(QRandomGenerator& random, double spread)
{
    double sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += random.bounded(2.0) - 1.0;
    return sum * spread * 0.87;
}

Drawing paleAndDarkFills()
{
    Drawing d{whitePicture(), {{20, 20}}};
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(outline());
    const QList<QColor> fills{QColor(255, 220, 40), QColor(255, 182, 200), QColor(190, 225, 250),
                              QColor(191, 191, 191), QColor(30, 40, 110), QColor(64, 64, 64)};
    for (int i = 0; i < fills.size(); ++i) {
        const QPointF c(250 + 500 * (i % 3), 280 + 480 * (i / 3));
        p.setBrush(fills[i]);
        if (i == 0)
            p.drawEllipse(c, 190, 120);
        else if (i == 1)
            p.drawPath(heart(c, 170));
        else
            p.drawRoundedRect(QRectF(c - QPointF(180, 150), QSizeF(360, 300)), 30, 30);
        d.seeds << c.toPoint();
    }
    return d;
}

Drawing blackSilhouettes()
{
    Drawing d{whitePicture(), {{20, 20}, {350, 400}, {1000, 420}}};
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(350, 400), 220, 180);
    p.drawPath(star(QPointF(1000, 450), 300));
    p.drawRect(200, 850, 1000, 6);        // a thin bar: a stroke
    p.drawEllipse(QPointF(1350, 150), 7, 7); // a dot: too small to colour
    return d;
}

Drawing flatCartoon()
{
    Drawing d{whitePicture(), {{20, 20}}};
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QList<QColor> stripes{QColor(220, 40, 40), QColor(250, 210, 40), QColor(40, 80, 200)};
    for (int i = 0; i < 3; ++i) {
        p.fillRect(QRectF(120 + 170 * i, 150, 170, 400), stripes[i]);
        d.seeds << QPoint(205 + 170 * i, 350);
    }
    p.setPen(outline());
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QPointF(1050, 380), 260, 260);
    d.seeds << QPoint(1050, 220);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(960, 320), 8, 11);
    p.drawEllipse(QPointF(1140, 320), 8, 11);
    p.setBrush(QColor(200, 40, 50));
    p.drawEllipse(QPointF(1050, 500), 110, 50);
    d.seeds << QPoint(1050, 500);
    p.setBrush(QColor(100, 190, 60));
    p.drawRect(QRectF(100, 750, 1300, 180));
    d.seeds << QPoint(700, 840);
    return d;
}

Drawing hatching()
{
    Drawing d{whitePicture(), {{20, 20}}};
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(outline());
    const QPointF c(330, 500);
    p.drawEllipse(c, 250, 250);
    d.seeds << QPoint(330, 330);
    p.drawRect(700, 250, 300, 400);
    d.seeds << QPoint(850, 263);
    p.drawRect(1100, 250, 330, 500);
    d.seeds << QPoint(1120, 270);
    p.setPen(QPen(QColor(20, 20, 20), 2));
    // Loose strokes over the lower left of the circle, none touching it.
    for (int i = -20; i <= 20; ++i) {
        const double off = i * 9.0;
        const QPointF from = c + QPointF(-170 + off, 40 + off * 0.2), to = from + QPointF(60, 110);
        if (QLineF(c, from).length() < 225 && QLineF(c, to).length() < 225)
            p.drawLine(from, to);
    }
    // Lines from side to side all down the square.
    for (int y = 258; y < 646; y += 7)
        p.drawLine(QPointF(700, y), QPointF(1000, y));
    // A net of cross-hatching floating in the box: it becomes an area of its own.
    for (int i = 0; i <= 14; ++i) {
        p.drawLine(QPointF(1180 + 10 * i, 400), QPointF(1180 + 10 * i, 540));
        p.drawLine(QPointF(1180, 400 + 10 * i), QPointF(1320, 400 + 10 * i));
    }
    d.seeds << QPoint(1255, 465);
    return d;
}

Drawing stipple()
{
    Drawing d{whitePicture(), {{20, 20}, {750, 380}}};
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(outline());
    p.drawEllipse(QPointF(750, 520), 500, 330);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 15));
    QRandomGenerator random(11);
    for (int i = 0; i < 1400; ++i) {
        const QPointF at(350 + random.bounded(800.0), 560 + random.bounded(250.0));
        if (std::pow((at.x() - 750) / 480, 2) + std::pow((at.y() - 520) / 310, 2) < 1)
            p.drawEllipse(at, 2.5, 2.5);
    }
    p.drawEllipse(QPointF(1400, 100), 6, 6); // a lone dot stays
    return d;
}

Drawing map()
{
    Drawing d{whitePicture(), {{10, 10}}};
    // Small countries twice as wide as the narrowest square a child can hit,
    // tiny ones at a third of that, both in the picture's pixels.
    const double scale = double(importer::placement(kPicture, importer::kCleaningSize).width()) / kPicture.width();
    const double hit = std::sqrt(double(importer::pageSizes().minAreaPixels)) / scale;
    const double small = 2 * hit, tiny = hit / 3;
    QPainter p(&d.picture);
    p.setPen(QPen(Qt::black, 3));
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 2; ++j) {
            p.drawRect(QRectF(100 + 320 * i, 100 + 420 * j, 320, 420));
            d.seeds << QPoint(260 + 320 * i, 200 + 420 * j);
        }
    }
    // A row of small countries along the bottom of the first large one...
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(110 + small * i, 510 - small, small, small));
        d.seeds << QPointF(110 + small * (i + 0.5), 510 - small / 2).toPoint();
    }
    // ...and a cluster of tiny ones in the second: one area once merged, wide
    // enough to hit once its outline has grown on the smallest canvas.
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            p.drawRect(QRectF(700 + tiny * i, 400 + tiny * j, tiny, tiny));
    d.seeds << QPointF(700 + 2.5 * tiny, 400 + 2.5 * tiny).toPoint();
    return d;
}

Drawing photographed(const Drawing& drawing, double tilt)
{
    const QImage sheet = drawing.picture.scaled(1400, 990, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Drawing d{QImage(1900, 1400, QImage::Format_RGB32), {}};
    d.picture.fill(qRgb(92, 70, 52)); // a wooden table
    QTransform place;
    place.translate(250, 200).translate(sheet.width() / 2.0, sheet.height() / 2.0).rotate(tilt)
        .translate(-sheet.width() / 2.0, -sheet.height() / 2.0);
    {
        QPainter p(&d.picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setTransform(place);
        p.drawImage(0, 0, sheet);
    }
    const QTransform onSheet = QTransform::fromScale(double(sheet.width()) / drawing.picture.width(),
                                                     double(sheet.height()) / drawing.picture.height()) * place;
    for (const QPoint s : drawing.seeds)
        d.seeds << onSheet.map(QPointF(s)).toPoint();
    QRandomGenerator random(5);
    for (int y = 0; y < d.picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(d.picture.scanLine(y));
        const double shadow = 0.82 - 0.16 * y / d.picture.height();
        for (int x = 0; x < d.picture.width(); ++x) {
            const QRgb warm = qRgb(qRed(row[x]), qGreen(row[x]) * 0.98, qBlue(row[x]) * 0.93);
            row[x] = scaled(warm, shadow / 0.82 * 0.95, noise(random, 6));
        }
    }
    return d;
}

Drawing photographedPage(double tilt) { return photographed(sheetDrawing({1400, 990}), tilt); }

Drawing colourPhoto()
{
    Drawing d{QImage(1200, 900, QImage::Format_RGB32), {}};
    QRandomGenerator random(3);
    for (int y = 0; y < d.picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(d.picture.scanLine(y));
        for (int x = 0; x < d.picture.width(); ++x) {
            const double leaves = std::sin(x * 0.21 + std::sin(y * 0.13) * 3) * std::sin(y * 0.17 + x * 0.05);
            const QRgb sky = qRgb(110 + y / 8, 160 + y / 12, 235);
            const QRgb foliage = qRgb(int(60 + 40 * leaves), int(110 + 60 * leaves), int(40 + 20 * leaves));
            row[x] = scaled(y < 380 + 60 * std::sin(x * 0.01) ? sky : foliage, 1.0, noise(random, 10));
        }
    }
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        QRadialGradient blob(QPointF(random.bounded(1200.0), random.bounded(900.0)), 40 + random.bounded(80.0));
        blob.setColorAt(0, QColor(random.bounded(256), random.bounded(256), random.bounded(256), 200));
        blob.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(d.picture.rect(), blob);
    }
    return d;
}

Drawing paintedScene()
{
    Drawing d{QImage(1200, 900, QImage::Format_RGB32), {}};
    for (int y = 0; y < d.picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(d.picture.scanLine(y));
        std::fill_n(row, d.picture.width(), y < 360 ? qRgb(150 + y / 6, 190 + y / 10, 240) : qRgb(90, 140, 60));
    }
    // Dense brush strokes: a sky, green hills and a yellow field, all hand-made.
    QPainter p(&d.picture);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(9);
    for (int i = 0; i < 12000; ++i) {
        const QPointF at(random.bounded(1200.0), random.bounded(900.0));
        const double band = at.y() / 900;
        const int hue = band < 0.4 ? 200 + random.bounded(30) : band < 0.7 ? 80 + random.bounded(50) : 45 + random.bounded(20);
        p.setPen(QPen(QColor::fromHsv(hue, 60 + random.bounded(150), 110 + random.bounded(140), 170),
                      3 + random.bounded(8.0), Qt::SolidLine, Qt::RoundCap));
        const double a = random.bounded(M_PI);
        p.drawLine(at, at + QPointF(std::cos(a), std::sin(a)) * (8 + random.bounded(20.0)));
    }
    return d;
}

} // namespace sampledrawings
