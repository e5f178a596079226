// Reducing pictures to one shared palette of at most 256 colours for GIF.
#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

namespace lineart {

struct IndexedFrames {
    std::vector<QRgb> palette;                    // opaque colours, at most 256
    std::vector<std::vector<unsigned char>> pixels; // per frame, row by row
};

// The colours of all `frames` (alpha ignored) as one palette. When they hold at
// most 256 distinct colours every pixel keeps its colour exactly; otherwise
// the colours are reduced by median cut. Deterministic.
IndexedFrames indexFrames(const std::vector<QImage>& frames);

} // namespace lineart
