// Text line pictures and the fill-leak check.
#include "tests/support/line_pictures.h"

#include "platform/flood_fill.h"

namespace linepictures {

QImage lines(const QStringList& rows)
{
    QImage picture(int(rows.first().size()), int(rows.size()), QImage::Format_Grayscale8);
    for (int y = 0; y < picture.height(); ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x)
            row[x] = rows[y][x] == QLatin1Char('#') ? 0 : 255;
    }
    return picture;
}

QStringList rowsOf(const QImage& lines)
{
    QStringList rows;
    for (int y = 0; y < lines.height(); ++y) {
        const uchar* row = lines.constScanLine(y);
        QString text;
        for (int x = 0; x < lines.width(); ++x)
            text += row[x] == 0 ? QLatin1Char('#') : row[x] == 255 ? QLatin1Char('.') : QLatin1Char('?');
        rows << text;
    }
    return rows;
}

QString fillLeak(const QImage& page, const QList<QPoint>& seeds)
{
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    const QRgb marker = qRgb(255, 0, 0);
    for (const QPoint seed : seeds) {
        if (rgb.pixel(seed) != qRgb(255, 255, 255))
            return QString("seed (%1, %2) is not on white").arg(seed.x()).arg(seed.y());
        QImage filled = rgb;
        platform::floodFillBorder(filled, seed, qRgb(0, 0, 0), marker);
        for (const QPoint other : seeds) {
            if (other != seed && filled.pixel(other) == marker)
                return QString("a fill from (%1, %2) reached (%3, %4)")
                    .arg(seed.x()).arg(seed.y()).arg(other.x()).arg(other.y());
        }
    }
    return {};
}

QList<QPoint> scaledSeeds(const QList<QPoint>& seeds, QSize from, QSize to)
{
    QList<QPoint> scaled;
    for (const QPoint p : seeds)
        scaled << QPoint(int(qint64(p.x()) * to.width() / from.width()),
                         int(qint64(p.y()) * to.height() / from.height()));
    return scaled;
}

} // namespace linepictures
