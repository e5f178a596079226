// The main window's controls as its definition places them, before start-up
// fits them to the screen: read by the window when it creates its controls,
// and by the tests that check or aim at the layout.
#pragma once

#include "shell/layout_math.h"

#include <QSize>

namespace layout {

// The design-time place of every control the layout reads or moves, in twips.
Placement designPlacement();

// The placement start-up gives the controls on a screen of `screen` pixels.
Placement placementOn(QSize screen);

// The canvas's inner size in pixels on a screen of `screen` pixels, as
// FitDrawing sizes it: the frame less 120 twips, less its border.
QSize canvasOn(QSize screen);

} // namespace layout
