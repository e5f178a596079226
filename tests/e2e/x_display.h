// An X display driven from outside, the way a person uses it: screenshots,
// pointer moves and clicks, and the windows a process has on screen.
#pragma once

#include <QImage>
#include <QPoint>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>

namespace e2e {

class XDisplay {
public:
    // `name` as in $DISPLAY (":1"); `grabber` is the screenshot helper
    // program; programs started on the display scale their windows by
    // `scale`, as on a desktop scaled to scale x 100 %.
    XDisplay(const QString& name, const QString& grabber, int scale = 1);

    QString name() const { return name_; }
    int scale() const { return scale_; }
    // The environment of a program started on this display.
    QProcessEnvironment environment() const;

    // The whole screen as shown now; a null image when it cannot be taken.
    QImage screenshot() const;
    // Screenshots until `ready` holds for one (returned) or `timeoutMs` runs out (null image).
    QImage waitForScreen(const std::function<bool(const QImage&)>& ready, int timeoutMs = 15000) const;

    void moveTo(QPoint at) const;
    void click(QPoint at) const;

    // The mapped top-level windows of process `pid`.
    QStringList visibleWindows(qint64 pid) const;
    // A window's place and size on screen.
    QRect windowGeometry(const QString& window) const;
    // Whether the window asked the window manager for no frame and no title bar.
    bool isFrameless(const QString& window) const;

private:
    QProcessEnvironment toolEnvironment() const;
    QString run(const QString& program, const QStringList& arguments) const;

    QString name_;
    QString grabber_;
    int scale_;
};

} // namespace e2e
