// Where the layout puts the window definition's controls on a screen.
#include "tests/support/design_placement.h"

#include "platform/units.h"
#include "shell/design_placement.h"

namespace testsupport {

using layout::TwipRect;

layout::Placement placementOn(QSize screen)
{
    return layout::arrange(layout::designPlacement(), platform::pixelsToTwips(screen.width()),
                           platform::pixelsToTwips(screen.height()));
}

QRect inPixels(const TwipRect& r)
{
    using platform::twipsToPixels;
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

} // namespace testsupport
