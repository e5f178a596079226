// Where the canvas stands on a printed page.
#pragma once

#include <QRectF>

namespace printing {

// The canvas's rectangle in twips on a page `pageHeight` twips high: against
// the left edge, at the canvas's own size, its top at (pageHeight - height)
// rounded halves to even, then halved toward zero. A page shorter than the
// canvas gives a negative top.
QRectF canvasPlacement(int pageHeight, double width, double height);

} // namespace printing
