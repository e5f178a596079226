// Turning a scanned or downloaded drawing into a clean colouring page: pure
// functions on line pictures (Format_Grayscale8, kInk 0 and kPaper 255).
//
// How a page is cleaned, in this order:
// 1. Grey levels become ink with two thresholds measured from the paper (the
//    most common light grey): a pixel darker than 3/5 of the paper is ink, and
//    a pixel darker than 17/20 of it is ink when it touches ink. Faint
//    antialiasing along a line joins the line; faint noise on its own does not.
// 2. Ink specks smaller than kMinInkPixels are removed.
// 3. Gaps are closed by bridging. A jump from an ink pixel straight over at
//    most `gap` paper pixels (the digital segment between them, in any
//    direction) onto another ink pixel is a possible bridge; the jumps over
//    one gap join into one piece. Jumps also fill the insides of sharp
//    corners, tight curves and narrow dead ends, which must stay as drawn, so
//    a piece is used only when it separates two areas of at least
//    kMinAreaPixels (one gap closed). Of a used piece only the shortest jumps
//    are drawn (a gap in a straight line fills exactly, a line stopping short
//    of another is extended straight), or the whole piece when those leave
//    its two sides joined. Lines the drawing meant to stop just short of each
//    other (a dot near a line) cannot be told from a gap and are joined too.
// 4. Lines are thickened by one pixel right and down, so that every ink pixel
//    lies in a 2 x 2 block of ink and survives a shrink onto a small canvas.
//    This alone closes 1-pixel gaps.
// 5. Areas too small or too thin for a child to hit (under kMinAreaPixels, or
//    with no kMinAreaWidth square of paper inside) are filled with ink.
#pragma once

#include "morphology.h"

#include <QImage>

namespace importer {

// 100 pixels on the canvas of a 1024 x 768 screen, before the outlines' share.
inline constexpr int kMinAreaPixels = 180;
inline constexpr int kMinAreaWidth = 5;
inline constexpr int kMinInkPixels = 10;
inline constexpr int kDefaultGap = 4;
inline constexpr int kMaxGap = 16;

// Luminance of a picture (any format), 0 black to 255 white, Format_Grayscale8.
QImage toGrey(const QImage& picture);

// The paper's grey level: the most common level from 96 up, smoothed over
// five levels, the lighter one on a tie. -1 when no pixel is that light.
int paperLevel(const QImage& grey);

// Ink where `grey` is below `inkBelow`, and where it is below `faintBelow`
// and joined (through edges or corners) to such ink. inkBelow <= faintBelow.
QImage binarise(const QImage& grey, int inkBelow, int faintBelow);

// binarise() with the thresholds of step 1; a null image when paperLevel() finds no paper.
QImage linesFromGrey(const QImage& grey);

// Removes the ink parts (joined through edges or corners) of fewer than
// `minPixels` pixels. Returns how many were removed.
int removeInkSpecks(QImage& lines, int minPixels);

// Step 3 with gaps of up to `gap` pixels (gap <= kMaxGap). Returns the number of gaps closed.
int closeGaps(QImage& lines, int gap, int minArea = kMinAreaPixels);

// Step 4: a pixel becomes ink when its left, upper or upper-left neighbour is ink.
void thicken(QImage& lines);

// Fills with ink each area (paper joined through edges) of fewer than
// `minPixels` pixels or without a `minWidth` square inside it; the picture's
// edge counts as ink. Returns how many areas were filled.
int fillSmallAreas(QImage& lines, int minPixels = kMinAreaPixels, int minWidth = kMinAreaWidth);

// The number of areas a fill bounded by ink can paint: paper joined through edges.
int countAreas(const QImage& lines);

struct Cleaning {
    int areas = 0;
    int gapsClosed = 0;
};

// Steps 2 to 5 on `lines`; returns the areas left and the gaps closed.
Cleaning cleanLines(QImage& lines, int gap);

} // namespace importer
