// Making drawn lines safe to colour: two colours, no outline too thin to
// survive a shrink, no area too small for a child to hit.
//
// The rules work on line pictures (morphology.h: Format_Grayscale8, kInk and
// kPaper). Each user keeps its own thresholds, named here:
// - the book's pages are cleaned for the canvases that shrink them the most
//   (cleanForShrinking): kSmallestPageArea on the page, kSmallestCanvasArea
//   on each of kShrinkCanvases;
// - the splash drawing, shown at its own size, only loses the specks where
//   lines cross at a sharp angle (kSplashSpeckArea);
// - the importer sizes its thresholds from kShrinkCanvases[0] and
//   kSmallestCanvasArea (tools/import/clean_page.h).
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

#include <vector>

#include "lineart/components.h"

namespace lineart {

// The screens a page is checked on, and the size the page is shrunk to on
// each (its own proportions, the largest that fits the canvas): the smallest
// screens, and common ones of each shape.
inline constexpr QSize kShrinkScreens[] = {QSize(800, 600),  QSize(1024, 600), QSize(1024, 768),
                                           QSize(1280, 720), QSize(1366, 768), QSize(1440, 900),
                                           QSize(1920, 1080)};
inline constexpr QSize kShrinkCanvases[] = {QSize(599, 414), QSize(749, 518),  QSize(823, 569), QSize(922, 638),
                                            QSize(992, 686), QSize(1183, 818), QSize(1443, 998)};
// No area of a book page may be smaller than this on one of those canvases...
inline constexpr int kSmallestCanvasArea = 130;
// ...nor smaller than this on the page itself (400 pixels of a page 1200 wide).
inline constexpr int kSmallestPageArea = 2500;
// Paper specks of the splash drawing under this many pixels become ink.
inline constexpr int kSplashSpeckArea = 24;

// The line picture of a drawing (any format): pure white is paper, every
// other colour ink, so whatever a painter left at the edges of a line is ink.
QImage linesOf(const QImage& drawn);

// A line picture as Format_RGB32: ink pure black, paper `paper`.
QImage coloured(const QImage& lines, QRgb paper = 0xFFFFFFFFu);

// Each ink pixel in no 2 x 2 block of ink grows into one (right and down,
// left or up at the picture's last column or row), so that no outline is one
// pixel thin. Returns how many pixels grew.
int thickenThinOutlines(QImage& lines);

// Every ink pixel grows one pixel right and down: every ink pixel then lies in
// a 2 x 2 block of ink, and 1-pixel gaps close.
void thickenRightDown(QImage& lines);

// Whether each area of `areas` (the paper of `lines`) has fewer than
// `minPixels` pixels or no `minWidth` square inside it; the picture's edge
// counts as ink.
std::vector<char> tooSmallAreas(const QImage& lines, const Components& areas, int minPixels, int minWidth);

struct AreaFilling {
    int filled = 0; // areas filled with ink
    int left = 0;   // areas left to colour
};

// Fills with ink each area (paper joined through edges) that tooSmallAreas()
// finds. Filling an area joins no others.
AreaFilling fillSmallAreas(QImage& lines, int minPixels, int minWidth = 1);

// Wherever shrinking `lines` onto `canvas` (each canvas pixel taking the
// darkest pixel it covers, platform::stretchKeepingDark) would leave a piece
// of an area under `minArea` pixels, fills the page pixels under that piece.
// Returns how many pieces were filled.
int fillShrunkSpecks(QImage& lines, QSize canvas, int minArea);

// A book page: thin outlines thickened, areas under kSmallestPageArea filled,
// and none left under kSmallestCanvasArea on kShrinkCanvases, repeated until
// nothing changes (at most a few rounds).
void cleanForShrinking(QImage& lines);

} // namespace lineart
