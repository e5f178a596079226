// The chance behind the splash drawing's colouring: a seeded generator and
// the point and colour one tick draws from it.
#pragma once

#include "platform/colour.h"

#include <QPoint>
#include <QSize>
#include <array>
#include <cstdint>
#include <functional>
#include <random>

namespace splash {

// A number that differs from one run to the next, to seed the generator.
using SeedClock = std::function<std::uint64_t()>;
// The system clock in nanoseconds.
std::uint64_t systemClockSeed();

// Uniform numbers in [0, 1); the same seed gives the same numbers.
class Random {
public:
    explicit Random(std::uint64_t seed = 0) : engine_(seed) {}
    double next();

private:
    std::mt19937_64 engine_;
};

// What one tick colours: a point of the box and a colour.
struct Tick {
    QPoint point;
    platform::ColourValue colour = 0;
};

// From five numbers r1..r5 in [0, 1): the point (floor(r1 W), floor(r2 H)) of a
// box of W x H pixels and the colour rgb(floor(r3 256), floor(r4 256), floor(r5 256)).
Tick chooseTick(const std::array<double, 5>& r, QSize box);

} // namespace splash
