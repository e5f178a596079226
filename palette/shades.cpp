// The shade ramp and the pick rules, free of any widget.
#include "palette/shades.h"

#include <QtGlobal>

namespace palette {

using platform::ColourValue;

int shadeComponent(int c, int index)
{
    Q_ASSERT(index >= 0 && index < kSwatchCount);
    if (index < 8)
        return qMin(c + 8 * index, 255);
    return c >= 8 * index ? c - 8 * index : 0;
}

std::array<ColourValue, kSwatchCount> shadeRamp(int red, int green, int blue)
{
    std::array<ColourValue, kSwatchCount> ramp{};
    for (int i = 0; i < kSwatchCount; ++i)
        ramp[i] = platform::rgbValue(shadeComponent(red, i), shadeComponent(green, i),
                                     shadeComponent(blue, i));
    return ramp;
}

ColourValue paletteChoice(ColourValue picked)
{
    return picked == 0 ? platform::rgbValue(1, 1, 1) : picked;
}

ColourValue swatchChoice(ColourValue picked, bool fillToBorder)
{
    return picked == 0 && fillToBorder ? platform::rgbValue(4, 0, 0) : picked;
}

} // namespace palette
