// Colour values as the rest of the program stores them, and their Qt equivalents.
#pragma once

#include <QColor>
#include <QRgb>
#include <algorithm>
#include <cstdint>

namespace platform {

// 0x00BBGGRR: red in the low byte, then green, then blue. A value whose top
// byte is 0x80 names a system colour (0x80000005 window, 0x80000008 window
// text, 0x8000000F button face).
using ColourValue = std::uint32_t;

// What GetPixel answers for a point outside the image.
inline constexpr ColourValue kInvalidColour = 0xFFFFFFFFu;

inline constexpr ColourValue kSystemWindow = 0x80000005u;
inline constexpr ColourValue kSystemWindowText = 0x80000008u;
inline constexpr ColourValue kSystemButtonFace = 0x8000000Fu;

// Builds a colour value; components are limited to 0..255.
constexpr ColourValue rgbValue(int red, int green, int blue)
{
    auto clamp = [](int c) { return static_cast<ColourValue>(std::clamp(c, 0, 255)); };
    return clamp(red) | (clamp(green) << 8) | (clamp(blue) << 16);
}
constexpr int redOf(ColourValue v) { return static_cast<int>(v & 0xFFu); }
constexpr int greenOf(ColourValue v) { return static_cast<int>((v >> 8) & 0xFFu); }
constexpr int blueOf(ColourValue v) { return static_cast<int>((v >> 16) & 0xFFu); }

// Opaque QRgb of a plain colour value; system colours come from the application palette.
QRgb toQRgb(ColourValue value);
QColor toQColor(ColourValue value);
// The plain colour value of a pixel (alpha ignored).
constexpr ColourValue fromQRgb(QRgb rgb)
{
    return rgbValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace platform
