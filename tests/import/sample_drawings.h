// Pictures the importer's tests draw themselves, each with a point inside every
// area a parent would expect to colour: fills, silhouettes, cartoons, shading,
// maps, a phone photo of a printed page, and pictures that are no drawings.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRandomGenerator>

namespace sampledrawings {

struct Drawing {
    QImage picture;      // Format_RGB32
    QList<QPoint> seeds; // one inside each area, in the picture's pixels
};

// `seeds` of a picture of `picture` size where the picture lands on a page.
QList<QPoint> seedsOnPage(const QList<QPoint>& seeds, QSize picture);

// Noise of about `spread` levels, bell-shaped like a camera's.
double noise(QRandomGenerator& random, double spread);

// Outlined shapes filled with pale colours (yellow, pink, light blue, a 75 %
// grey) and dark ones (navy, dark grey).
Drawing paleAndDarkFills();
// Black shapes with no outline, a thin black bar and a black dot.
Drawing blackSilhouettes();
// Flat colours meeting without outlines (stripes, a mouth), black eyes.
Drawing flatCartoon();
// A circle shaded with loose hatching, a square hatched from side to side,
// and a patch of cross-hatching inside a box (which becomes an area of its own).
Drawing hatching();
// An ellipse half covered with stipple dots, and a lone dot beside it.
Drawing stipple();
// A map: large countries, a row of small ones a child can still hit (sized
// from the page), and a cluster of tiny ones too small to colour one by one.
Drawing map();
// `drawing` printed on a sheet lying on a darker table, turned by `tilt`
// degrees, under a shadow darkening the paper from 82 % to 66 %, with noise.
// The seeds are where the drawing's seeds lie in the photo.
Drawing photographed(const Drawing& drawing, double tilt);
// photographed() of a line drawing of a frame round a circle, a triangle
// and a house of two rooms.
Drawing photographedPage(double tilt);
// The drawing photographedPage() shows has a frame whose top line runs along
// this share of the sheet's height.
inline constexpr double kPhotographedTopLine = 0.12;
// A photograph: smooth sky, textured foliage and soft shapes of many colours.
Drawing colourPhoto();
// A painted scene: overlapping soft brush strokes.
Drawing paintedScene();

} // namespace sampledrawings
