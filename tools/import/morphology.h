// Line pictures and the growing of their ink; grey-level box filters.
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

// Grey-level filters on a Format_Grayscale8 picture over the box of `side` x
// `side` pixels around each pixel (side >= 1, odd for the closing; the box's
// part beyond the edge is left out): the brightest value, the darkest value, and the closing (the
// brightest, then the darkest), which removes dark shapes narrower than the box
// and keeps wider ones and every smooth change of brightness.
QImage boxMax(const QImage& grey, int side);
QImage boxMin(const QImage& grey, int side);
QImage closing(const QImage& grey, int side);

// The rows of `grey` (Format_Grayscale8) as columns.
QImage transposed(const QImage& grey);

} // namespace importer
