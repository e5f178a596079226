// Things of the sea shared by its pages: fish, weed, waves, shells, boats.
#pragma once

#include "lineart/drawing_kit.h"

namespace lineart {

// A fish of length about 2 * size, facing right, or left when `left`.
void fish(QPainter& p, QPointF centre, double size, bool left);
// A waving strand of weed rooted at `root`.
void seaweed(QPainter& p, QPointF root, double height, double sway);
void bubbles(QPainter& p, QPointF bottom, int count, double size);
// The sea from `y` down, its surface a row of round waves.
void waves(QPainter& p, double y, int count, double height);
// The sea floor or a beach: sand from `y` down with a soft wave.
void sand(QPainter& p, double y);
void starfish(QPainter& p, QPointF centre, double size, double turn);
void shell(QPainter& p, QPointF bottom, double size);
// A sailing boat: hull bottom middle at `water`.
void sailboat(QPainter& p, QPointF water, double size);

} // namespace lineart
