// Finding a drawing's lines in a picture: thin dark strokes, and the outlines
// of the regions its fills make, each judged against the paper around it.
//
// 1. The picture is measured against its paper (paper.h), so that shadows,
//    uneven light and tinted paper all come out as white.
// 2. Strokes: a closing with a box wider than Sizes::strokeWidth gives the
//    background under every stroke (the paper, or the fill it is drawn on).
//    A pixel is ink when it is darker than that background by kStrokeContrast,
//    or by kFaintContrast and joined to such ink (antialiasing along a line
//    joins it; faint noise on its own does not).
// 3. Regions (regions.h): with the strokes closed away, what differs from
//    the paper in lightness or colour is a filled region, and each region of
//    one flat colour becomes an area bounded by its own outline, inside white.
#pragma once

#include "clean_page.h"
#include "working_picture.h"

#include <QImage>

namespace importer {

// Contrast against the background, in grey levels of the paper's 255.
inline constexpr int kStrokeContrast = 102; // 2/5 of the paper's brightness
inline constexpr int kFaintContrast = 38;   // 3/20 of it

struct Drawing {
    QImage lines;          // a line picture of the working picture's size; null when no paper was found
    double toneShare = 0;  // the share of the picture in continuous tones (regions.h)
};

// The drawing of `picture` with the sizes of the page it goes on.
Drawing drawingOf(const WorkingPicture& picture, const Sizes& sizes);

// The lines of a grey picture (Format_Grayscale8) at its own size.
QImage linesFromGrey(const QImage& grey, const Sizes& sizes);

} // namespace importer
