// Making a drawn page safe to colour on every canvas it is stretched onto.
#pragma once

#include <QImage>
#include <QSize>

namespace resources {

// Canvases that shrink pages the most: a 1024 x 768 and a 1366 x 768 screen.
inline constexpr QSize kShrinkCanvases[] = {QSize(823, 686), QSize(1165, 686)};
// No area of a page may be smaller than this on one of those canvases.
inline constexpr long kSmallestCanvasArea = 130;
// Nor smaller than this on the page itself.
inline constexpr long kSmallestPageArea = 400;

// On a two-colour page (Format_RGB32, pure black on pure white): outlines left
// one pixel thin grow to two; areas under kSmallestPageArea pixels are filled
// in black; and wherever shrinking the page onto one of kShrinkCanvases (each
// canvas pixel taking the darkest page pixel it covers) would leave a piece of
// an area under kSmallestCanvasArea pixels, that piece is filled in black too.
void cleanPage(QImage& page);

} // namespace resources
