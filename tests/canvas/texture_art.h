// Crafted pages and textures for the texture tests, and the checks on their result.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <deque>
#include <vector>

namespace textureart {

inline const QRgb kBlack = qRgb(0, 0, 0);
inline const QRgb kWhite = qRgb(255, 255, 255);
inline const QRgb kMarker = qRgb(255, 224, 192);

// A texture in which every pixel has its own colour, none of them black,
// white or the marker colour.
inline QImage numberedTexture(QSize size)
{
    QImage texture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            texture.setPixel(x, y, qRgb(20 + (x * 7) % 200, 20 + (y * 11) % 200, 90 + (x + y) % 50));
    return texture;
}

inline QImage blankPage(QSize size, QRgb colour)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(colour);
    return page;
}

// A white page with a black circle outline (no antialiasing) around `centre`.
inline QImage circlePage(QSize size, QPoint centre, int radius)
{
    QImage page = blankPage(size, kWhite);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(centre, radius, radius);
    return page;
}

// A black page with a white corridor 2 pixels wide winding inwards from (4, 4).
inline QImage spiralPage()
{
    QImage page = blankPage(QSize(60, 60), kBlack);
    QPainter painter(&page);
    QPoint p(4, 4);
    for (int i = 0;; ++i) {
        const int length = i == 0 ? 50 : 50 - 4 * ((i - 1) / 2);
        if (length < 6)
            break;
        switch (i % 4) {
        case 0: painter.fillRect(p.x(), p.y(), length + 2, 2, Qt::white); p.rx() += length; break;
        case 1: painter.fillRect(p.x(), p.y(), 2, length + 2, Qt::white); p.ry() += length; break;
        case 2: painter.fillRect(p.x() - length, p.y(), length + 2, 2, Qt::white); p.rx() -= length; break;
        default: painter.fillRect(p.x(), p.y() - length, 2, length + 2, Qt::white); p.ry() -= length; break;
        }
    }
    return page;
}

// A black page with a white area shaped like an upside-down U whose right leg
// reaches below the left one, where only a trip over the top can reach it;
// a separate white box; and a patch of the marker colour outside both.
inline QImage curlPage()
{
    QImage page = blankPage(QSize(48, 60), kBlack);
    QPainter painter(&page);
    painter.fillRect(2, 2, 6, 40, Qt::white);   // left leg, pressed at (4, 30)
    painter.fillRect(2, 2, 40, 6, Qt::white);   // over the top
    painter.fillRect(36, 2, 6, 55, Qt::white);  // right leg, down to row 56
    painter.fillRect(14, 50, 23, 6, Qt::white); // a hook back to the left under it all
    painter.fillRect(14, 14, 10, 10, Qt::white); // a separate area
    painter.fillRect(14, 30, 6, 6, QColor::fromRgb(kMarker));
    return page;
}

// The pixels 4-connected to `start` that have its colour, found the slow obvious way.
inline std::vector<bool> areaAt(const QImage& page, QPoint start)
{
    std::vector<bool> inside(size_t(page.width()) * size_t(page.height()), false);
    const QRgb colour = page.pixel(start);
    std::deque<QPoint> queue{start};
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        const size_t at = size_t(p.y()) * size_t(page.width()) + size_t(p.x());
        if (!page.valid(p) || inside[at] || page.pixel(p) != colour)
            continue;
        inside[at] = true;
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            queue.push_back(p + d);
    }
    return inside;
}

// Empty when `result` is `before` with exactly the pixels of `area` replaced
// by the tile tiled from the page's origin; otherwise the first wrong pixel.
inline QString tilingError(const QImage& result, const QImage& before, const std::vector<bool>& area,
                           const QImage& tile)
{
    if (result.size() != before.size())
        return QStringLiteral("the page changed size");
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const bool textured = area[size_t(y) * size_t(result.width()) + size_t(x)];
            const QRgb expected =
                textured ? tile.pixel(x % tile.width(), y % tile.height()) : before.pixel(x, y);
            if (result.pixel(x, y) != expected)
                return QStringLiteral("(%1, %2) is %3, expected %4 (%5)")
                    .arg(x).arg(y).arg(result.pixel(x, y), 8, 16).arg(expected, 8, 16)
                    .arg(textured ? "texel" : "untouched");
        }
    }
    return {};
}

inline std::vector<bool> unionOf(std::vector<bool> a, const std::vector<bool>& b)
{
    for (size_t i = 0; i < a.size(); ++i)
        a[i] = a[i] || b[i];
    return a;
}

} // namespace textureart
