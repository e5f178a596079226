// Where the tiles of the window background go.
#pragma once

#include <QList>
#include <QPoint>

namespace background {

// The top-left corners, in twips, of the tiles that cover a window of
// `windowWidth` x `windowHeight` twips: rows from the top, each from left to
// right, the last ones starting at or before the edges. No tiles when a tile
// side is below one twip.
QList<QPoint> tilePositions(int tileWidth, int tileHeight, int windowWidth, int windowHeight);

} // namespace background
