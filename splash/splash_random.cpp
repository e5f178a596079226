// The splash drawing's random generator and the choices of one tick.
#include "splash/splash_random.h"

#include <chrono>
#include <cmath>

namespace splash {

std::uint64_t systemClockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

double Random::next()
{
    // The top 53 bits make a double in [0, 1) that never rounds up to 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

Tick chooseTick(const std::array<double, 5>& r, QSize box)
{
    auto scaled = [](double v, int n) { return static_cast<int>(std::floor(v * n)); };
    return {QPoint(scaled(r[0], box.width()), scaled(r[1], box.height())),
            platform::rgbValue(scaled(r[2], 256), scaled(r[3], 256), scaled(r[4], 256))};
}

} // namespace splash
