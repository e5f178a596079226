// The paper under uneven light: how bright it is at every point of a picture,
// and the picture measured against it.
#pragma once

#include "working_picture.h"

#include <QImage>

namespace importer {

// Format_Grayscale8 planes of a picture, each 255 where it is as light as
// the paper there (or lighter) and darker in proportion.
struct AgainstPaper {
    QImage red, green, blue; // the tone's channels
    QImage darkest;          // the darkest luminance
    bool isNull() const { return darkest.isNull(); }
};

// `picture` divided, channel by channel, by the colour of its paper. The
// paper is the lightest consistent part of the picture: cells whose brightest
// pixels lie on one smooth surface (a quadratic fitted again and again to the
// cells at or above it), so that a shadow, uneven light or tinted paper
// count as paper while drawn fills of any size do not. Null planes when no
// pixel is light enough to be paper (paperLevel()).
AgainstPaper againstPaper(const WorkingPicture& picture);

} // namespace importer
