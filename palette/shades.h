// The shade ramp of the swatches and the colour rules of a pick.
#pragma once

#include "platform/colour.h"

#include <array>

namespace palette {

inline constexpr int kSwatchCount = 16;

// Component `c` (0..255) in swatch `index`: 0 the colour itself, 1..7 lighter
// by 8 a step (limited to 255), 8..15 darker by 8 a step from -64 (cut at 0).
int shadeComponent(int c, int index);

// The colours of all sixteen swatches for the colour (red, green, blue).
std::array<platform::ColourValue, kSwatchCount> shadeRamp(int red, int green, int blue);

// A colour taken from the palette image: pure black becomes (1, 1, 1), so a
// palette pick never paints a fill boundary.
platform::ColourValue paletteChoice(platform::ColourValue picked);

// A colour taken from a swatch: pure black becomes (4, 0, 0) while fills stop
// at black (the small palette), and stays black otherwise.
platform::ColourValue swatchChoice(platform::ColourValue picked, bool fillToBorder);

} // namespace palette
