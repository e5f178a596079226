// The tiled window background (Form_Paint, TileBackground) and the message
// shown when its picture cannot be read.
#include "shell/background.h"

#include "platform/picture_io.h"
#include "platform/units.h"
#include "shell/main_window.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

using platform::roundHalfEven;
using platform::twipsToPixels;

namespace background {

QList<QPoint> tilePositions(int tileWidth, int tileHeight, int windowWidth, int windowHeight)
{
    QList<QPoint> tiles;
    if (tileWidth < 1 || tileHeight < 1)
        return tiles;
    for (int y = 0; y <= windowHeight; y += tileHeight)
        for (int x = 0; x <= windowWidth; x += tileWidth)
            tiles.append({x, y});
    return tiles;
}

} // namespace background

namespace {

// What went wrong with the background picture, in the words the message uses.
QString failureDescription(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile())
        return QStringLiteral("No se encontró el archivo");
    return QStringLiteral("La imagen no es válida");
}

} // namespace

void Form1::Form_Paint(QPainter& painter) { TileBackground(painter, ProgramPath("/fondo.jpg")); }

void Form1::TileBackground(QPainter& painter, const QString& fileName)
{
    if (backgroundTile_.isNull()) {
        const QImage picture = platform::loadPicture(fileName);
        if (picture.isNull()) {
            showBackgroundMessage(failureDescription(fileName));
            return;
        }
        backgroundTile_ = picture;
        backgroundTileWidth_ = roundHalfEven(platform::pixelsToTwips(picture.width()));
        backgroundTileHeight_ = roundHalfEven(platform::pixelsToTwips(picture.height()));
    }
    const int windowWidth = roundHalfEven(platform::pixelsToTwips(width()));
    const int windowHeight = roundHalfEven(platform::pixelsToTwips(height()));
    const QSize tile(twipsToPixels(backgroundTileWidth_), twipsToPixels(backgroundTileHeight_));
    for (const QPoint at :
         background::tilePositions(backgroundTileWidth_, backgroundTileHeight_, windowWidth, windowHeight))
        painter.drawImage(QRect(QPoint(twipsToPixels(at.x()), twipsToPixels(at.y())), tile), backgroundTile_);
}

// The message waits for the repaint to end before it opens, and opens once a
// run: closing it repaints the window, which would otherwise bring it back at
// once and leave the child no way to carry on.
void Form1::showBackgroundMessage(const QString& description)
{
    if (backgroundMessage_ != nullptr)
        return;
    backgroundMessage_ = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                                         "No encuentro la imagen de fondo \r\nERROR: " + description,
                                         QMessageBox::Ok, this);
    backgroundMessage_->setWindowModality(Qt::ApplicationModal);
    QTimer::singleShot(0, backgroundMessage_, &QWidget::show);
}
