// Palettes: any bytes as "paletapeque.bmp", then the picks a child makes on
// it. A palette pick never gives pure black, the colour fills stop at.
#include "fuzz_support.h"

#include "palette/shades.h"
#include "platform/colour.h"
#include "platform/picture_io.h"

#include <cstring>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage palette = platform::loadPicture(fuzz::scratchFile("paletapeque.bmp", data, size));
    if (palette.isNull())
        return 0;
    fuzz::check(palette.format() == QImage::Format_RGB32, "a palette is not RGB32");
    for (std::size_t i = 0; i + 4 <= std::min<std::size_t>(size, 64); i += 4) {
        std::uint32_t seed = 0;
        std::memcpy(&seed, data + i, sizeof seed);
        const platform::ColourValue pixel = platform::fromQRgb(fuzz::pixelAt(palette, seed));
        const platform::ColourValue pick = palette::paletteChoice(pixel);
        fuzz::check(pick != 0, "a palette pick gave black");
        const auto ramp =
            palette::shadeRamp(platform::redOf(pick), platform::greenOf(pick), platform::blueOf(pick));
        fuzz::check(ramp[0] == pick, "the first swatch is not the picked colour");
        fuzz::check(palette::swatchChoice(ramp[15], true) != 0,
                    "a swatch pick gave black with fills to the border");
    }
    return 0;
}
