// Where the program's windows and controls stand on a screen of a given size,
// computed from the layout as the program computes it.
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

ScreenPlaces placesOn(QSize screen);

} // namespace e2e
