// The picture-box model: persistent image, screen-only drawing, scale units,
// pointer and mouse events.
#include "shell/picture_box.h"

#include "platform/stretch.h"
#include "platform/units.h"

#include <QMouseEvent>
#include <QPainter>

using platform::ColourValue;
using platform::kTwipsPerPixel;
using platform::toQRgb;

namespace {

int vbButtons(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int vbShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

// A pen that paints every covered pixel in full colour or not at all.
QPen solidPen(QRgb colour, int width)
{
    return QPen(QColor::fromRgb(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

PictureBox::PictureBox(QWidget* parent, bool flatBorder, bool autoSize)
    : QWidget(parent), TwipControl(this), border_(flatBorder), autoSize_(autoSize)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PictureBox::innerSize() const
{
    return {platform::innerPixels(width(), border_), platform::innerPixels(height(), border_)};
}

double PictureBox::toScale(double pixels) const
{
    return scaleMode_ == ScaleMode::Pixels ? pixels : pixels * kTwipsPerPixel;
}

QPointF PictureBox::toPixels(double x, double y) const
{
    if (scaleMode_ == ScaleMode::Pixels)
        return {x, y};
    return {x / kTwipsPerPixel, y / kTwipsPerPixel};
}

double PictureBox::ScaleWidth() const { return toScale(innerSize().width()); }
double PictureBox::ScaleHeight() const { return toScale(innerSize().height()); }

void PictureBox::sizeChanged()
{
    if (!adoptingPicture_)
        resizeImage(innerSize());
}

void PictureBox::resizeImage(QSize inner)
{
    if (image_.size() == inner)
        return;
    QImage resized(inner, QImage::Format_RGB32);
    resized.fill(toQRgb(backColour_));
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
    update();
}

void PictureBox::imageChanged(const QRect& pixels)
{
    if (pixels.isNull())
        update();
    else
        update(pixels.translated(border_ ? 1 : 0, border_ ? 1 : 0));
}

void PictureBox::Refresh()
{
    // Qt paints the box from the persistent image at its next paint event,
    // which comes before any further input is handled.
    screenShapes_.clear();
    update();
}

void PictureBox::setBackColor(ColourValue colour)
{
    backColour_ = colour;
    if (!image_.isNull())
        image_.fill(toQRgb(colour));
    screenShapes_.clear();
    update();
}

void PictureBox::drawShape(const QLineF& pixels, ColourValue colour, int width)
{
    const QRgb rgb = toQRgb(colour);
    if (autoRedraw_) {
        if (image_.isNull())
            return;
        QPainter painter(&image_);
        painter.setPen(solidPen(rgb, width));
        if (pixels.p1() == pixels.p2())
            painter.drawPoint(pixels.p1());
        else
            painter.drawLine(pixels);
        const int pad = width + 2;
        imageChanged(QRectF(pixels.p1(), pixels.p2()).normalized().toAlignedRect().adjusted(
            -pad, -pad, pad, pad));
    } else {
        screenShapes_.push_back({pixels, rgb, width});
        update();
    }
}

void PictureBox::Line(double x1, double y1, double x2, double y2, ColourValue colour)
{
    drawShape(QLineF(toPixels(x1, y1), toPixels(x2, y2)), colour, drawWidth_);
}

void PictureBox::PSet(double x, double y, ColourValue colour)
{
    const QPointF p = toPixels(x, y);
    drawShape(QLineF(p, p), colour, drawWidth_);
}

void PictureBox::Circle(double x, double y, double radius, ColourValue outline)
{
    if (image_.isNull())
        return;
    // Circles are only ever drawn persistently (the pen-size box's disc).
    const QPointF centre = toPixels(x, y);
    const double r = toPixels(radius, 0).x();
    QPainter painter(&image_);
    painter.setPen(solidPen(toQRgb(outline), drawWidth_));
    if (fillSolid_)
        painter.setBrush(QColor::fromRgb(toQRgb(fillColour_)));
    painter.drawEllipse(centre, r, r);
    imageChanged();
}

void PictureBox::PaintPicture(const QImage& picture, double x, double y, double width,
                              double height)
{
    const QPointF topLeft = toPixels(x, y);
    const QPointF size = toPixels(width, height);
    const QSize target(platform::roundHalfEven(size.x()), platform::roundHalfEven(size.y()));
    const QImage stretched = platform::stretchKeepingDark(picture, target);
    if (stretched.isNull() || image_.isNull())
        return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(topLeft, stretched);
    imageChanged();
}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    screenShapes_.clear();
    if (autoSize_ && !picture.isNull()) {
        adoptingPicture_ = true; // the resize below must not build an image of its own
        setWidth(platform::pixelsToTwips(platform::outerPixels(picture.width(), border_)));
        setHeight(platform::pixelsToTwips(platform::outerPixels(picture.height(), border_)));
        adoptingPicture_ = false;
    }
    const QSize inner = innerSize();
    if (picture.size() == inner && picture.format() == QImage::Format_RGB32) {
        image_ = picture; // shared with the picture until either is drawn on
    } else {
        QImage image(inner, QImage::Format_RGB32);
        image.fill(toQRgb(backColour_));
        if (!picture.isNull()) {
            QPainter painter(&image);
            painter.drawImage(0, 0, picture);
        }
        image_ = image;
    }
    update();
}

ColourValue PictureBox::Point(double x, double y) const
{
    const QPointF p = toPixels(x, y);
    const int px = platform::roundHalfEven(p.x());
    const int py = platform::roundHalfEven(p.y());
    if (!image_.valid(px, py))
        return platform::kInvalidColour;
    return platform::fromQRgb(image_.pixel(px, py));
}

void PictureBox::setMousePointer(Pointer pointer)
{
    pointer_ = pointer;
    applyCursor();
}

void PictureBox::setMouseIcon(const QCursor& cursor)
{
    mouseIcon_ = cursor;
    hasMouseIcon_ = true;
    applyCursor();
}

void PictureBox::clearMouseIcon()
{
    hasMouseIcon_ = false;
    applyCursor();
}

void PictureBox::applyCursor()
{
    if (pointer_ == Pointer::Hourglass)
        setCursor(Qt::WaitCursor);
    else if (pointer_ == Pointer::Custom && hasMouseIcon_)
        setCursor(mouseIcon_);
    else if (pointer_ == Pointer::Custom)
        setCursor(Qt::BlankCursor);
    else
        unsetCursor();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int inset = border_ ? 1 : 0;
    if (border_) {
        painter.setPen(QColor::fromRgb(toQRgb(platform::kSystemWindowText)));
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
    painter.setClipRect(inset, inset, image_.width(), image_.height());
    painter.drawImage(inset, inset, image_);
    painter.translate(inset, inset);
    for (const ScreenShape& shape : screenShapes_) {
        painter.setPen(solidPen(shape.colour, shape.width));
        if (shape.line.p1() == shape.line.p2())
            painter.drawPoint(shape.line.p1());
        else
            painter.drawLine(shape.line);
    }
}

void PictureBox::emitMouse(void (PictureBox::*signal)(int, int, double, double),
                           QMouseEvent* event, bool buttonsHeld)
{
    const int inset = border_ ? 1 : 0;
    const QPointF p = event->position() - QPointF(inset, inset);
    const int button = buttonsHeld ? vbButtons(event->buttons()) : vbButtons(event->button());
    (this->*signal)(button, vbShift(event->modifiers()), toScale(p.x()), toScale(p.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressedInside_ = true;
    emitMouse(&PictureBox::mouseDown, event, false);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    emitMouse(&PictureBox::mouseMove, event, true);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    emitMouse(&PictureBox::mouseUp, event, false);
    if (pressedInside_ && rect().contains(event->position().toPoint()))
        emit clicked();
    pressedInside_ = false;
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressedInside_ = false;
    Q_UNUSED(event);
    emit doubleClicked();
}
