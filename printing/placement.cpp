// The placement of the canvas on a printed page.
#include "printing/placement.h"

#include "platform/units.h"

namespace printing {

QRectF canvasPlacement(int pageHeight, double width, double height)
{
    const int top = platform::roundHalfEven(pageHeight - height) / 2;
    return QRectF(0, top, width, height);
}

} // namespace printing
