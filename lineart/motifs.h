// Scenery shared by many pages: sun, clouds, hills, flowers, trees, houses.
#pragma once

#include "lineart/drawing_kit.h"

namespace lineart {

// A sun of body radius `r` with `rays` triangular rays and, if asked, a smile.
void sun(QPainter& p, QPointF centre, double r, int rays, bool face);
// A cloud about `width` wide, its flat bottom at centre.y() + width / 6.
void cloud(QPainter& p, QPointF centre, double width);
// Rolling ground from the left to the right edge: its top at `y`, a gentle wave.
void hills(QPainter& p, double y, double wave, int humps);
// A flower: stem from `ground` up `height`, `petals` round petals, two leaves.
void flower(QPainter& p, QPointF ground, double height, int petals, double petalSize);
// A round-topped tree standing on `ground`.
void tree(QPainter& p, QPointF ground, double height);
// A fir tree of three tiers.
void firTree(QPainter& p, QPointF ground, double height);
// A house with a door, two windows and a roof; `base` is the bottom middle.
void house(QPainter& p, QPointF base, double width);
// A mushroom with spots.
void mushroom(QPainter& p, QPointF ground, double size);
// A butterfly seen from above.
void butterfly(QPainter& p, QPointF centre, double size);
// A fence of `posts` pointed boards from x0 to x1 standing on `ground`.
void fence(QPainter& p, double x0, double x1, double ground, double height, int posts);
// A smiling face (eyes and mouth) inside a round head.
void smile(QPainter& p, QPointF centre, double r);

} // namespace lineart
