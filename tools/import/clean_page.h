// Turning a scanned or downloaded drawing into a clean colouring page: pure
// functions on line pictures (Format_Grayscale8, kInk 0 and kPaper 255).
//
// How the lines found in a picture (drawing.h) are cleaned, in this order:
// 1. Ink specks smaller than kMinInkPixels are removed.
// 2. Gaps are closed by bridging. A jump from an ink pixel straight over at
//    most `gap` paper pixels (the digital segment between them, in any
//    direction) onto another ink pixel is a possible bridge; the jumps over
//    one gap join into one piece. Jumps also fill the insides of sharp
//    corners, tight curves and narrow dead ends, which must stay as drawn, so
//    a piece is used only when it separates two areas of at least
//    Sizes::minAreaPixels (one gap closed). Of a used piece only the shortest
//    jumps are drawn (a gap in a straight line fills exactly, a line stopping
//    short of another is extended straight), or the whole piece when those
//    leave its two sides joined. Lines the drawing meant to stop just short of
//    each other (a dot near a line) cannot be told from a gap and are joined too.
// 3. Shading goes (shading.h): crowded small strokes and dots, meshes of
//    cross-hatching, and the thin walls between clusters of areas too small
//    to colour, which become one area.
// 4. Lines are thickened by one pixel right and down, so that every ink pixel
//    lies in a 2 x 2 block of ink and survives a shrink onto a small canvas.
//    This alone closes 1-pixel gaps.
// 5. Areas still too small or too thin for a child to hit (under
//    Sizes::minAreaPixels, or with no Sizes::minAreaWidth square of paper
//    inside) are filled with ink.
#pragma once

#include "components.h"
#include "morphology.h"

#include "resources/page_cleanup.h"

#include <QImage>
#include <QSize>
#include <vector>

namespace importer {

// Pages are shrunk the most on the canvas of a 1024 x 768 screen. What a child
// can hit and see there, in that canvas's pixels:
inline constexpr QSize kSmallestCanvas = resources::kShrinkCanvases[0];
// an area to colour, as large as the book's own smallest areas there;
inline constexpr int kHitCanvasArea = int(resources::kSmallestCanvasArea);
// and with a square this wide inside it, so that a click can land in it;
inline constexpr int kHitCanvasWidth = 3;
// a dark shape up to this wide is a stroke, kept black; a wider one is a
// filled region, whose inside (once outlined) is still wider than kHitCanvasWidth;
inline constexpr int kStrokeCanvasWidth = 8;
// stipple dots and blots of them are at most this long (hatching strokes
// are straight, whatever their length)...
inline constexpr int kMarkCanvasLength = 40;
// ...and lie this close to several others of their kind;
inline constexpr int kMarkCanvasSpacing = 8;
// hatching lines between areas too small to colour are at most this thick.
inline constexpr int kWallCanvasWidth = 2;

// The sizes above in the pixels of a page of `page` size, which the canvas
// shrinks by its narrower ratio along an axis (lengths) or both (areas).
struct Sizes {
    int minAreaPixels = 1;
    int minAreaWidth = 1;
    int strokeWidth = 1;
    int markLength = 1;
    int markSpacing = 1;
    int wallWidth = 1;
};
Sizes sizesOnPage(QSize page);

inline constexpr int kMinInkPixels = 10;
inline constexpr int kDefaultGap = 4;
inline constexpr int kMaxGap = 16;

// Luminance of a pixel, 0 black to 255 white.
inline int luminance(QRgb p) { return (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p) + 500) / 1000; }

// Luminance of a picture (any format), 0 black to 255 white, Format_Grayscale8.
QImage toGrey(const QImage& picture);

// The paper's grey level: the most common level from 96 up, smoothed over
// five levels, the lighter one on a tie. -1 when no pixel is that light.
int paperLevel(const QImage& grey);

// Ink where `grey` is below `inkBelow`, and where it is below `faintBelow`
// and joined (through edges or corners) to such ink. inkBelow <= faintBelow.
QImage binarise(const QImage& grey, int inkBelow, int faintBelow);

// Removes the ink parts (joined through edges or corners) of fewer than
// `minPixels` pixels. Returns how many were removed.
int removeInkSpecks(QImage& lines, int minPixels);

// Step 2 with gaps of up to `gap` pixels (gap <= kMaxGap), bridges kept when
// they separate areas of `minArea` pixels. Returns the number of gaps closed.
int closeGaps(QImage& lines, int gap, int minArea);

// Step 4: a pixel becomes ink when its left, upper or upper-left neighbour is ink.
void thicken(QImage& lines);

// Whether each area of `areas` (the paper of `lines`) has fewer than
// `minPixels` pixels or no `minWidth` square inside it; the picture's edge
// counts as ink.
std::vector<char> tooSmallAreas(const QImage& lines, const Components& areas, int minPixels, int minWidth);

// Fills with ink each area (paper joined through edges) that tooSmallAreas()
// finds. Returns how many areas were filled.
int fillSmallAreas(QImage& lines, int minPixels, int minWidth);

// The number of areas a fill bounded by ink can paint: paper joined through edges.
int countAreas(const QImage& lines);

struct Cleaning {
    int areas = 0;
    int gapsClosed = 0;
};

// Steps 1 to 5 on `lines`; returns the areas left and the gaps closed.
Cleaning cleanLines(QImage& lines, int gap, const Sizes& sizes);

} // namespace importer
