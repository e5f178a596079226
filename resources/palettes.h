// The two palette strips the child picks colours from.
#pragma once

#include <QImage>

namespace resources {

inline constexpr int kPaletteWidth = 90;

// About a dozen big, bright cells for the youngest children.
QImage smallPalette();
// A wide, ordered choice: rainbow hues in light, full and dark steps, skin
// tones, browns, greys, white and black.
QImage largePalette();

} // namespace resources
