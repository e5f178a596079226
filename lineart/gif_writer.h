// GIF files written with giflib: still pictures and looping animations.
#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace lineart {

// A still GIF of `image` (at most 256 colours kept exactly, more reduced).
// Empty on failure.
QByteArray encodeGif(const QImage& image);

// A GIF89a animation of `frames` (all of one size) that loops for ever, each
// frame shown for `delayCentiseconds`. Empty on failure.
QByteArray encodeAnimatedGif(const std::vector<QImage>& frames, int delayCentiseconds);

} // namespace lineart
