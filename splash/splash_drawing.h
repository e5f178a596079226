// The self-colouring drawing of the splash window, drawn by code.
#pragma once

#include <QImage>

// About 518 x 528 pixels, two colours: pure black outlines on RGB(253, 253, 253).
QImage splashDrawing();
