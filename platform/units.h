// Twips, pixels and the rounding rules the layout arithmetic relies on.
#pragma once

#include <cmath>

namespace platform {

// Window geometry is kept in twips; one pixel is 15 twips (Qt's device-independent pixel).
inline constexpr int kTwipsPerPixel = 15;

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

inline int twipsToPixels(double twips) { return roundHalfEven(twips / kTwipsPerPixel); }
inline double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

// A flat border is one pixel on each side. A picture box's inner size in
// pixels is its outer size less the border on both sides (never negative).
inline constexpr int kFlatBorderPixels = 1;
inline int innerPixels(int outerPixels, bool hasBorder)
{
    const int inner = outerPixels - (hasBorder ? 2 * kFlatBorderPixels : 0);
    return inner < 0 ? 0 : inner;
}
inline int outerPixels(int innerPixels, bool hasBorder)
{
    return innerPixels + (hasBorder ? 2 * kFlatBorderPixels : 0);
}

} // namespace platform
