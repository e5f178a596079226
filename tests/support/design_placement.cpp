// Where a control of the layout lands on screen, in whole pixels.
#include "tests/support/design_placement.h"

#include "platform/units.h"

namespace testsupport {

QRect inPixels(const layout::TwipRect& r)
{
    using platform::twipsToPixels;
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

} // namespace testsupport
