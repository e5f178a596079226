// Line pictures and the growing of their ink.
#pragma once

#include <QImage>

namespace importer {

// A line picture is Format_Grayscale8 holding only these two values.
inline constexpr uchar kInk = 0;
inline constexpr uchar kPaper = 255;

// What the pixels beyond the picture's edge count as.
enum class Outside { Paper, Ink };

// Ink grows: a pixel becomes ink when some pixel of the box x+lo..x+hi,
// y+lo..y+hi is ink.
QImage dilateInk(const QImage& lines, int lo, int hi, Outside outside);

} // namespace importer
