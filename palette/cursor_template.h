// The arrow template from which the coloured mouse pointer is made.
#pragma once

#include <QImage>
#include <QRgb>

namespace palette {

inline constexpr int kCursorTemplateSide = 39;
// The seed of the inside: a red pixel that the black outline encloses.
inline constexpr int kCursorInsideX = 5;
inline constexpr int kCursorInsideY = 5;

// The 39 x 39 Format_RGB32 arrow: tip at (0, 0), a black outline closed under
// 4-connection around one red inside that contains (5, 5), white elsewhere.
QImage makeCursorTemplate();

} // namespace palette
