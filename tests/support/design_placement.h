// The main window's controls as its definition places them, and where the
// layout puts them on a screen: for tests that check or aim at the layout.
#pragma once

#include "shell/layout_math.h"

#include <QRect>
#include <QSize>

namespace testsupport {

// The placement of the window definition, before any layout.
layout::Placement designPlacement();

// The placement on a screen of `screen` pixels.
layout::Placement placementOn(QSize screen);

// The canvas's inner size in pixels on a screen of `screen` pixels, as
// FitDrawing sizes it: the frame less 120 twips, less its border.
QSize canvasOn(QSize screen);

// Where a control of rectangle `r` lands on screen: each value rounded to whole pixels.
QRect inPixels(const layout::TwipRect& r);

} // namespace testsupport
