// A picture brought to the size its lines are found at (its place on the page).
#pragma once

#include <QImage>
#include <QSize>

namespace importer {

struct WorkingPicture {
    QImage tone;    // Format_RGB32: the colours, each pixel the mean of what it covers
    QImage darkest; // Format_Grayscale8: the luminance, keeping thin dark lines
};

// `picture` (Format_RGB32) at exactly `size`. Enlarged smoothly; shrunk by
// averaging, and for `darkest` by averaging down to twice `size` and then
// keeping the darkest pixel of each block, so that a line too thin to darken
// a whole page pixel on average still shows at its full strength while the
// fine grain of the paper does not. Null images when memory runs out.
WorkingPicture workingPicture(const QImage& picture, QSize size);

// `picture` (Format_RGB32) shrunk to `size` (no larger along either axis):
// every pixel the mean colour of the block of pixels it covers.
QImage meanShrunk(const QImage& picture, QSize size);

} // namespace importer
