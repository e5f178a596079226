// Shading drawn over areas (hatching, stipple, fur, cross-hatching), which a
// child cannot colour and which would otherwise turn into black patches.
//
// - Marks: ink parts that enclose no area to colour and are at most
//   Sizes::markLength long or straight thin strokes (no more pixels than
//   Sizes::wallWidth times the diagonal of their box), in groups of at least
//   kShadingMarks, each within Sizes::markSpacing of another of its group,
//   at least half of them plain: dots (filling kDotFill of their box) or
//   straight strokes. A few strokes or dots (eyes, whiskers) are no shading
//   and stay, and nor is writing, whose letters bend.
// - Clusters: at least kClusterAreas areas too small to colour side by side
//   across walls no thicker than Sizes::wallWidth (hatching that runs from
//   outline to outline, a net of cross-hatching, tiny cells): the walls
//   between them go, and the cluster becomes one area.
#pragma once

#include "clean_page.h"

#include <QImage>

namespace importer {

inline constexpr int kShadingMarks = 6;
inline constexpr double kDotFill = 0.5;
inline constexpr int kClusterAreas = 3;

struct Shading {
    int marks = 0;
    int clusters = 0;
};

// Removes the marks of `lines`, then opens the clusters.
Shading removeShading(QImage& lines, const Sizes& sizes);

} // namespace importer
