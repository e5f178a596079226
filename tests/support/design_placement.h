// Where the layout puts the main window's controls on a screen: for tests
// that check or aim at the layout.
#pragma once

#include "shell/layout_math.h"

#include <QRect>
#include <QSize>

namespace testsupport {

// The placement on a screen of `screen` pixels.
layout::Placement placementOn(QSize screen);

// Where a control of rectangle `r` lands on screen: each value rounded to whole pixels.
QRect inPixels(const layout::TwipRect& r);

} // namespace testsupport
