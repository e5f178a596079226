#include "splash/splash_drawing.h"

#include <QPainter>

QImage splashDrawing()
{
    QImage image(518, 528, QImage::Format_RGB32);
    image.fill(qRgb(253, 253, 253));
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(QRect(100, 100, 300, 300));
    return image;
}
