// Where the program's windows and controls stand on a screen of a given size,
// computed from the layout as the program computes it, in the screen's
// device pixels.
#pragma once

#include <QRect>
#include <QSize>

namespace e2e {

struct ScreenPlaces {
    QRect splash;         // the splash window, centred 15 pixels above the middle
    QRect canvas;         // the canvas's picture, inside the frame and its own border
    QRect backgroundGap;  // a strip where only the background shows (frame to tool column)
    QPoint nextPage;      // the middle of the next-page button
    QPoint door;          // the middle of the door button
};

// `screen` in device pixels; `ratio` device pixels a screen pixel (2 for a
// desktop scaled to 200 %), the layout working on the screen's size divided
// by it.
ScreenPlaces placesOn(QSize screen, int ratio = 1);

} // namespace e2e
