// Making a drawn page safe to colour on every canvas it is shrunk onto.
#pragma once

#include <QImage>
#include <QSize>

namespace resources {

// The screens a page is checked on, and the size the page is shrunk to on
// each (its own proportions, the largest that fits the canvas): the smallest
// screens, and common ones of each shape.
inline constexpr QSize kShrinkScreens[] = {QSize(800, 600),  QSize(1024, 600), QSize(1024, 768),
                                           QSize(1280, 720), QSize(1366, 768), QSize(1440, 900),
                                           QSize(1920, 1080)};
inline constexpr QSize kShrinkCanvases[] = {QSize(599, 414), QSize(749, 518),  QSize(823, 569), QSize(922, 638),
                                            QSize(992, 686), QSize(1183, 818), QSize(1443, 998)};
// No area of a page may be smaller than this on one of those canvases.
inline constexpr long kSmallestCanvasArea = 130;
// Nor smaller than this on the page itself (400 pixels of a page 1200 wide).
inline constexpr long kSmallestPageArea = 2500;

// On a two-colour page (Format_RGB32, pure black on pure white): outlines left
// one pixel thin grow to two; areas under kSmallestPageArea pixels are filled
// in black; and wherever shrinking the page onto one of kShrinkCanvases (each
// canvas pixel taking the darkest page pixel it covers) would leave a piece of
// an area under kSmallestCanvasArea pixels, that piece is filled in black too.
void cleanPage(QImage& page);

} // namespace resources
