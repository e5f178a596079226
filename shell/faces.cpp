#include "shell/faces.h"

namespace faces {
namespace {
QImage plain(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}
} // namespace

QImage printerFace() { return plain(67, 67, qRgb(200, 200, 200)); }
QImage magnifierFace() { return plain(68, 62, qRgb(120, 160, 220)); }
QImage undoFace() { return plain(32, 32, qRgb(128, 128, 128)); }
QImage nextPageFace() { return plain(74, 67, qRgb(220, 0, 0)); }
QImage previousPageFace() { return plain(74, 67, qRgb(220, 0, 0)); }
QImage eraserFace() { return plain(59, 80, qRgb(240, 220, 0)); }
QImage doorFace() { return plain(55, 66, qRgb(140, 90, 40)); }
QImage windowIcon() { return plain(32, 32, qRgb(255, 0, 0)); }

} // namespace faces
