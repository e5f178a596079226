// Shading drawn over areas (hatching, stipple, fur, cross-hatching), which a
// child cannot colour and which would otherwise turn into black patches.
//
// - Marks: ink parts that enclose no paper and are either at most
//   Sizes::markLength long (dots, short strokes) or thin strokes (no more
//   pixels than Sizes::wallWidth times their length), in groups of at least
//   kShadingMarks, each within Sizes::markSpacing of another of its group. A
//   few strokes or dots (eyes, whiskers) are no shading and stay.
// - Clusters: at least kClusterAreas areas too small to colour side by side
//   across walls no thicker than Sizes::wallWidth (hatching that runs from
//   outline to outline, a net of cross-hatching, tiny cells): the walls
//   between them go, and the cluster becomes one area.
#pragma once

#include "clean_page.h"

#include <QImage>

namespace importer {

inline constexpr int kShadingMarks = 6;
inline constexpr int kClusterAreas = 3;

struct Shading {
    int marks = 0;
    int clusters = 0;
};

// Removes the marks of `lines`, then opens the clusters.
Shading removeShading(QImage& lines, const Sizes& sizes);

} // namespace importer
