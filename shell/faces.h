// The pictures on the main window's buttons, drawn by code.
#pragma once

#include <QImage>

namespace faces {

QImage printerFace();      // 67 x 67: a printer with a face
QImage magnifierFace();    // 68 x 62: a magnifying glass
QImage undoFace();         // 32 x 32: a grey curved arrow
QImage nextPageFace();     // 74 x 67: a red ball with a white arrow pointing right
QImage previousPageFace(); // 74 x 67: the same ball, arrow pointing left
QImage eraserFace();       // 59 x 80: a yellow eraser block on green
QImage doorFace();         // 55 x 66: a door
QImage windowIcon();       // 32 x 32

} // namespace faces
