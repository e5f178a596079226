// The filled regions of a drawing, found once its strokes are closed away.
//
// A pixel differing from the paper by kRegionDarkness in lightness or by
// kRegionColour between its channels (a pale yellow or pink, a light grey) is
// part of a region; flat neighbours (each within half kSameColour of all
// four of its own neighbours) whose channels lie within kSameColour of each
// other are one region, so a region runs over gentle shading but stops at a
// change of colour, even along a slanted edge whose blend changes slowly;
// the blends then melt into the regions beside them. A region smaller than Sizes::minAreaPixels is too
// small to colour: a dark one stays ink (a dot, a pupil), a pale one melts
// into its neighbours. Every other region is outlined, inside white: where
// two regions meet, or a region meets the paper, the line runs.
#pragma once

#include "clean_page.h"

#include <QImage>
#include <array>

namespace importer {

inline constexpr int kRegionDarkness = 31; // 12 % of the paper's brightness
inline constexpr int kRegionColour = 31;
inline constexpr int kSameColour = 26;     // 10 %
inline constexpr int kDarkRegion = 128;    // a small region darker than this is ink
// Continuous tones: a region whose lightness spreads this much (standard
// deviation, grey levels) is shaded like a photograph, and so is a pixel
// whose channels, averaged over 3 x 3 pixels (a camera's noise averages
// out, the texture of a photograph or of brush strokes does not), change by
// kBusyChange in all to its right and lower neighbours.
inline constexpr int kTonedSpread = 20;
inline constexpr int kBusyChange = 24;

// Format_Grayscale8 channel planes (red, green, blue) measured against the paper.
using Planes = std::array<QImage, 3>;

struct RegionLines {
    QImage lines;          // the outlines of the regions and the small dark ones, as a line picture
    double toneShare = 0;  // the share of pixels in regions of continuous tones
};

// The regions of `closed` (the planes with the strokes closed away); `open`
// (the planes as they are) and `strokes` (a line picture of the strokes,
// which are not tones) tell continuous tones.
RegionLines regionLines(const Planes& closed, const Planes& open, const QImage& strokes, const Sizes& sizes);

} // namespace importer
