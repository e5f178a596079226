// The animated tool marker: plays an animated GIF where it is placed.
#pragma once

#include "shell/twip_control.h"

#include <QByteArray>
#include <QLabel>
#include <QSize>
#include <QString>

class QBuffer;
class QMovie;

// Plays the animation of the active tool over that tool's icon. Setting the
// file starts the animation at once; the control takes the animation's size
// so it covers the icon exactly, but never grows beyond its place: larger
// frames are scaled down, keeping their shape, to fit in it. A missing,
// unreadable or non-GIF file shows nothing.
class Trivolen : public QLabel, public TwipControl {
    Q_OBJECT
public:
    explicit Trivolen(QWidget* parent);

    QString file() const { return file_; }
    // Reads the GIF at `path` once (a plain file of at most 8 MiB) and plays it.
    void setFile(const QString& path);
    bool isPlaying() const;
    // The largest size the animation is shown at, in pixels.
    QSize place() const { return place_; }
    void setPlace(QSize pixels);

private:
    void fitToPlace();

    QString file_;
    QSize place_;
    QMovie* movie_ = nullptr;
};
