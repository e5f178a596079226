// Program folders and mouse events for the colouring tests.
#include "tests/support/colouring_folder.h"

#include "shell/picture_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>

namespace testsupport {

void writeBmp(const TestFolder& folder, const QString& relative, const QImage& image)
{
    QDir().mkpath(QFileInfo(folder.file(relative)).path());
    QVERIFY2(image.save(folder.file(relative), "BMP"), qPrintable("cannot write " + relative));
}

QList<QRgb> smallPaletteColours()
{
    return {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 100, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)};
}

QList<QRgb> largePaletteColours()
{
    return {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 100, 0), qRgb(0, 128, 0),
            qRgb(10, 20, 30), qRgb(250, 250, 5)};
}

QImage paletteStrip(const QList<QRgb>& colours, int width)
{
    QImage strip(width, kBandHeight * int(colours.size()), QImage::Format_RGB32);
    for (int i = 0; i < colours.size(); ++i) {
        QPainter painter(&strip);
        painter.fillRect(0, i * kBandHeight, width, kBandHeight, QColor::fromRgb(colours[i]));
    }
    return strip;
}

QList<QSize> toolIconSizes() { return {{90, 91}, {74, 121}, {94, 81}}; }

void addColouringBasics(const TestFolder& folder)
{
    folder.writeImage("paletas/paletapeque.bmp", paletteStrip(smallPaletteColours(), 40));
    folder.writeImage("paletas/paletagrande.bmp", paletteStrip(largePaletteColours(), 60));
    const QStringList tools{"pato", "lapiz", "recta"};
    const QList<QColor> shades{Qt::yellow, Qt::darkYellow, Qt::darkCyan};
    for (int i = 0; i < tools.size(); ++i) {
        QImage icon(toolIconSizes()[i], QImage::Format_RGB32);
        icon.fill(shades[i]);
        folder.writeImage("gifs/" + tools[i] + ".gif", icon);
    }
    QImage background(16, 16, QImage::Format_RGB32);
    background.fill(Qt::lightGray);
    QVERIFY(background.save(folder.file("fondo.jpg"), "JPEG"));
}

void sendMouse(PictureBox* box, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
               QPoint pixel)
{
    const int inset = box->hasBorder() ? 1 : 0;
    const QPointF local = QPointF(pixel) + QPointF(inset, inset);
    QMouseEvent event(type, local, box->mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &event);
}

void clickBox(PictureBox* box, QPoint pixel, Qt::MouseButton button)
{
    sendMouse(box, QEvent::MouseButtonPress, button, button, pixel);
    sendMouse(box, QEvent::MouseButtonRelease, button, Qt::NoButton, pixel);
}

} // namespace testsupport
