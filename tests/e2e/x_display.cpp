// Driving an X display with the screenshot helper, xdotool and xprop.
#include "tests/e2e/x_display.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

namespace e2e {

XDisplay::XDisplay(const QString& name, const QString& grabber, int scale)
    : name_(name), grabber_(grabber), scale_(scale)
{
}

QProcessEnvironment XDisplay::environment() const
{
    QProcessEnvironment env = toolEnvironment();
    if (scale_ != 1)
        env.insert("QT_SCALE_FACTOR", QString::number(scale_));
    return env;
}

QProcessEnvironment XDisplay::toolEnvironment() const
{
    // The helpers see the screen in its device pixels.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", name_);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("QT_SCALE_FACTOR");
    return env;
}

QString XDisplay::run(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    process.setProcessEnvironment(toolEnvironment());
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QImage XDisplay::screenshot() const
{
    const QTemporaryDir dir;
    const QString file = dir.filePath("screen.png");
    QProcess process;
    process.setProcessEnvironment(toolEnvironment());
    process.start(grabber_, {file});
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

QImage XDisplay::waitForScreen(const std::function<bool(const QImage&)>& ready, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        const QImage shot = screenshot();
        if (!shot.isNull() && ready(shot))
            return shot;
        QThread::msleep(50);
    }
    return {};
}

void XDisplay::moveTo(QPoint at) const
{
    run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y())});
}

void XDisplay::click(QPoint at) const
{
    run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

QStringList XDisplay::visibleWindows(qint64 pid) const
{
    const QString found = run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
    return found.split('\n', Qt::SkipEmptyParts);
}

QRect XDisplay::windowGeometry(const QString& window) const
{
    const QString shell = run("xdotool", {"getwindowgeometry", "--shell", window});
    auto value = [&shell](const QString& key) {
        const QRegularExpression line("^" + key + "=(-?\\d+)$", QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = line.match(shell);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    return {value("X"), value("Y"), value("WIDTH"), value("HEIGHT")};
}

bool XDisplay::isFrameless(const QString& window) const
{
    // Motif hints: flags with the decorations bit (2) set, and no decorations.
    const QString hints = run("xprop", {"-id", window, "_MOTIF_WM_HINTS"});
    const QRegularExpression values("= (0x[0-9a-f]+), (0x[0-9a-f]+), (0x[0-9a-f]+)");
    const QRegularExpressionMatch m = values.match(hints);
    return m.hasMatch() && (m.captured(1).toUInt(nullptr, 16) & 2) != 0
        && m.captured(3).toUInt(nullptr, 16) == 0;
}

} // namespace e2e
