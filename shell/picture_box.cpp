// The picture-box model: persistent image, screen-only drawing, scale units,
// pointer and mouse events.
#include "shell/picture_box.h"

#include "platform/units.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

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

void PictureBox::setDeviceResolution(bool on)
{
    deviceResolution_ = on;
    matchImageToBox();
}

qreal PictureBox::pixelRatio() const { return deviceResolution_ ? devicePixelRatioF() : 1.0; }

QSize PictureBox::imageSize(QSize inner) const
{
    // Rounded up, so that no screen pixel of the box is left without an image pixel.
    const qreal ratio = pixelRatio();
    auto device = [ratio](int pixels) { return int(std::ceil(pixels * ratio - 1e-6)); };
    return {device(inner.width()), device(inner.height())};
}

QPoint PictureBox::imagePixel(double x, double y) const
{
    const QPointF p = toPixels(x, y) * pixelRatio();
    return {platform::roundHalfEven(p.x()), platform::roundHalfEven(p.y())};
}

void PictureBox::matchImageToBox() { resizeImage(innerSize()); }

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
    if (holdsPictureOnly_)
        return;
    const QSize size = imageSize(inner);
    const qreal ratio = pixelRatio();
    if (image_.size() == size && image_.devicePixelRatio() == ratio)
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
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
    if (pixels.isNull()) {
        update();
        return;
    }
    const qreal ratio = image_.devicePixelRatio();
    showChanged(QRectF(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio, pixels.height() / ratio)
                    .toAlignedRect());
}

void PictureBox::showChanged(const QRect& shown)
{
    update(shown.translated(border_ ? 1 : 0, border_ ? 1 : 0));
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
        showChanged(QRectF(pixels.p1(), pixels.p2()).normalized().toAlignedRect().adjusted(-pad, -pad, pad, pad));
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

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    screenShapes_.clear();
    const qreal ratio = pixelRatio();
    QImage shown = picture;
    if (!shown.isNull() && shown.devicePixelRatio() != ratio)
        shown.setDevicePixelRatio(ratio); // a copy: the picture keeps its own ratio
    if (autoSize_ && !shown.isNull()) {
        adoptingPicture_ = true; // the resize below must not build an image of its own
        const QSizeF natural = shown.deviceIndependentSize();
        setWidth(platform::pixelsToTwips(platform::outerPixels(int(std::ceil(natural.width())), border_)));
        setHeight(platform::pixelsToTwips(platform::outerPixels(int(std::ceil(natural.height())), border_)));
        adoptingPicture_ = false;
    }
    if (holdsPictureOnly_)
        return;
    const QSize size = imageSize(innerSize());
    if (shown.size() == size && shown.format() == QImage::Format_RGB32) {
        image_ = shown; // shared with the picture until either is drawn on
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(toQRgb(backColour_));
        if (!shown.isNull()) {
            QPainter painter(&image);
            painter.drawImage(0, 0, shown);
        }
        image_ = image;
    }
    update();
}

ColourValue PictureBox::Point(double x, double y) const
{
    const QPoint p = imagePixel(x, y);
    if (!image_.valid(p))
        return platform::kInvalidColour;
    return platform::fromQRgb(image_.pixel(p));
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
    painter.setClipRect(QRectF(QPointF(inset, inset), image_.deviceIndependentSize()));
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
