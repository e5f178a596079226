// Graphical buttons, image controls and file lists.
#include "shell/controls.h"

#include "platform/files.h"

#include <QMouseEvent>
#include <QPainter>

CommandButton::CommandButton(QWidget* parent) : QAbstractButton(parent), TwipControl(this)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void CommandButton::setFace(const QImage& face)
{
    face_ = face;
    update();
}

void CommandButton::setBackColor(platform::ColourValue colour)
{
    backColour_ = colour;
    update();
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, platform::toQColor(backColour_));
    const QPoint offset = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    if (!face_.isNull()) {
        QRect target(QPoint(0, 0), face_.size());
        target.moveCenter(area.center() + offset);
        if (!isEnabled())
            painter.setOpacity(0.35);
        painter.drawImage(target, face_);
        painter.setOpacity(1.0);
    }
    // A raised edge that sinks while pressed.
    painter.setPen(isDown() ? QColor(80, 80, 80) : QColor(255, 255, 255));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(isDown() ? QColor(255, 255, 255) : QColor(80, 80, 80));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
}

ImageControl::ImageControl(QWidget* parent) : QWidget(parent), TwipControl(this) {}

void ImageControl::setPicture(const graphics::Picture& picture)
{
    picture_ = picture;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (picture_.image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.image);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    pressed_ = false;
}

void FileList::setPath(const QString& folder)
{
    setEntries(folder, platform::listPlainFiles(folder), [&folder](const QString& entry) { return folder + "/" + entry; });
}

void FileList::setEntries(const QString& folder, const QStringList& entries,
                          const std::function<QString(const QString&)>& where)
{
    path_ = folder;
    entries_ = entries;
    files_.clear();
    for (const QString& entry : entries)
        files_ << where(entry);
}

QString FileList::List(int index) const
{
    if (index < 0 || index >= entries_.size())
        return {};
    return entries_.at(index);
}

QString FileList::FilePath(int index) const
{
    return index < 0 || index >= files_.size() ? QString() : files_.at(index);
}
