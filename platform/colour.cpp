// Colour values to Qt colours, with the system colours taken from the application palette.
#include "platform/colour.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

namespace platform {
namespace {

constexpr ColourValue kSystemFlag = 0x80000000u;

// Used when no GUI application (and so no palette) exists.
QRgb defaultSystemColour(ColourValue value)
{
    switch (value) {
    case kSystemWindow:
        return qRgb(255, 255, 255);
    case kSystemButtonFace:
        return qRgb(240, 240, 240);
    default:
        return qRgb(0, 0, 0);
    }
}

QRgb systemColour(ColourValue value)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return defaultSystemColour(value);
    const QPalette palette = QGuiApplication::palette();
    switch (value) {
    case kSystemWindow:
        return palette.color(QPalette::Active, QPalette::Base).rgb();
    case kSystemWindowText:
        return palette.color(QPalette::Active, QPalette::WindowText).rgb();
    case kSystemButtonFace:
        return palette.color(QPalette::Active, QPalette::Button).rgb();
    default:
        return defaultSystemColour(value);
    }
}

} // namespace

QRgb toQRgb(ColourValue value)
{
    if ((value & 0xFF000000u) == kSystemFlag)
        return systemColour(value);
    return qRgb(redOf(value), greenOf(value), blueOf(value));
}

QColor toQColor(ColourValue value)
{
    return QColor::fromRgb(toQRgb(value));
}

} // namespace platform
