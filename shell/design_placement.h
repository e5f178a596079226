// The main window's controls as its definition places them, before start-up
// fits them to the screen: read by the window when it creates its controls,
// and by the tests that check or aim at the layout.
#pragma once

#include "shell/layout_math.h"

namespace layout {

// The design-time place of every control the layout reads or moves, in twips.
Placement designPlacement();

} // namespace layout
