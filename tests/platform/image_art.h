// Small test images written as text: one character a pixel.
#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <QStringList>

namespace art {

// '#' black, '.' white, 'r' red, 'g' green, 'b' blue, 'y' yellow, 'k' dark grey.
inline QRgb colourOf(QChar c)
{
    switch (c.toLatin1()) {
    case '#': return qRgb(0, 0, 0);
    case '.': return qRgb(255, 255, 255);
    case 'r': return qRgb(255, 0, 0);
    case 'g': return qRgb(0, 255, 0);
    case 'b': return qRgb(0, 0, 255);
    case 'y': return qRgb(255, 255, 0);
    case 'k': return qRgb(64, 64, 64);
    default: return qRgb(1, 2, 3);
    }
}

inline QChar charOf(QRgb rgb)
{
    for (QChar c : QStringLiteral("#.rgbyk")) {
        if ((colourOf(c) & 0xFFFFFF) == (rgb & 0xFFFFFF))
            return c;
    }
    return QLatin1Char('?');
}

// Rows of equal length; the result is Format_RGB32.
inline QImage image(const QStringList& rows)
{
    QImage img(static_cast<int>(rows.first().size()), static_cast<int>(rows.size()),
               QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = colourOf(rows[y][x]);
    }
    return img;
}

inline QStringList text(const QImage& img)
{
    QStringList rows;
    for (int y = 0; y < img.height(); ++y) {
        QString row;
        for (int x = 0; x < img.width(); ++x)
            row += charOf(img.pixel(x, y));
        rows << row;
    }
    return rows;
}

} // namespace art
