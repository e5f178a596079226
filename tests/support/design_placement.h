// Where the layout puts the main window's controls on a screen: for tests
// that check or aim at the layout.
#pragma once

#include "shell/design_placement.h"

#include <QRect>

namespace testsupport {

using layout::canvasOn;
using layout::placementOn;

// Where a control of rectangle `r` lands on screen: each value rounded to whole pixels.
QRect inPixels(const layout::TwipRect& r);

} // namespace testsupport
