// The window background "fondo.jpg": a calm tile that repeats without seams.
#pragma once

#include <QImage>

namespace resources {

QImage backgroundTile(); // 160 x 160

} // namespace resources
