// The animated tool marker: plays an animated GIF where it is placed.
#pragma once

#include "shell/twip_control.h"

#include <QLabel>
#include <QString>

class QMovie;

// Plays the animation of the active tool over that tool's icon. Setting the
// file starts the animation at once; the control takes the animation's size
// so it covers the icon exactly. A missing or unreadable file shows nothing.
class Trivolen : public QLabel, public TwipControl {
    Q_OBJECT
public:
    explicit Trivolen(QWidget* parent);

    QString file() const { return file_; }
    void setFile(const QString& path);
    bool isPlaying() const;

private:
    QString file_;
    QMovie* movie_ = nullptr;
};
