// The places a person aims at, from the layout arithmetic.
#include "tests/e2e/screen_places.h"

#include "platform/units.h"
#include "tests/support/design_placement.h"

#include <cmath>

using platform::twipsToPixels;
using testsupport::inPixels;

namespace e2e {

namespace {

ScreenPlaces placesOnLogical(QSize screen)
{
    const layout::Placement placed = testsupport::placementOn(screen);
    ScreenPlaces p;
    p.splash = {twipsToPixels(std::floor((screen.width() * 15.0 - 7755) / 2)),
                twipsToPixels(std::floor((screen.height() * 15.0 - 8505) / 2) - 225), 517, 567};
    // The canvas is the frame less 120 twips, 60 twips in; both have a one-pixel border.
    const QRect frame = inPixels(placed.picture5);
    const int inset = 1 + twipsToPixels(60) + 1;
    p.canvas = {frame.topLeft() + QPoint(inset, inset), testsupport::canvasOn(screen)};
    const int column = inPixels(placed.image2[1]).left();
    p.backgroundGap = QRect(QPoint(frame.right() + 1, 0),
                            QPoint(column - 1, inPixels(placed.picture7).top() - 1));
    p.nextPage = inPixels(placed.command4).center();
    p.door = inPixels(placed.command2).center();
    return p;
}

QRect scaled(const QRect& r, int ratio) { return {r.topLeft() * ratio, r.size() * ratio}; }

} // namespace

ScreenPlaces placesOn(QSize screen, int ratio)
{
    const ScreenPlaces p = placesOnLogical(screen / ratio);
    return {scaled(p.splash, ratio), scaled(p.canvas, ratio), scaled(p.backgroundGap, ratio), p.nextPage * ratio,
            p.door * ratio};
}

} // namespace e2e
