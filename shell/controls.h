// The plain controls of the main window: graphical buttons, image controls
// and hidden file lists.
#pragma once

#include "graphics/module1.h"
#include "platform/colour.h"
#include "shell/twip_control.h"

#include <QAbstractButton>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <functional>

// A button whose face is a picture on a background colour, no caption.
class CommandButton : public QAbstractButton, public TwipControl {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);

    void setFace(const QImage& face);
    const QImage& face() const { return face_; }
    platform::ColourValue BackColor() const { return backColour_; }
    void setBackColor(platform::ColourValue colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage face_;
    platform::ColourValue backColour_ = platform::kSystemButtonFace;
};

// An image control: shows its picture at natural size from the top-left
// corner and reports clicks. Also serves as a hidden holder of a picture.
class ImageControl : public QWidget, public TwipControl {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent);

    const graphics::Picture& picture() const { return picture_; }
    void setPicture(const graphics::Picture& picture);
    void setPicture(const QImage& image) { setPicture(graphics::Picture::bitmap(image)); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    graphics::Picture picture_;
    bool pressed_ = false;
};

// A hidden list of file names, sorted by name: the plain files of one
// folder, or entries that each come from a folder of their own.
class FileList {
public:
    QString Path() const { return path_; }
    // Points the list at a folder and reads it.
    void setPath(const QString& folder);
    // Lists `entries`, whose files are found by `where` (an entry's name to
    // its file); Path() becomes `folder`, for the record only.
    void setEntries(const QString& folder, const QStringList& entries,
                    const std::function<QString(const QString&)>& where);
    int ListCount() const { return static_cast<int>(entries_.size()); }
    // The entry at `index`, or an empty text outside the list.
    QString List(int index) const;
    // The file of entry `index`, or an empty text outside the list.
    QString FilePath(int index) const;

private:
    QString path_;
    QStringList entries_;
    QStringList files_;
};
