// Tintaro's icon for menus and file managers: a red crayon lying over a page
// that is being coloured in.
#pragma once

#include <QByteArray>
#include <QImage>

namespace resources {

// The icon drawn into a `size` x `size` picture with a transparent background.
QImage appIcon(int size);

// The same drawing as a scalable SVG document.
QByteArray appIconSvg();

} // namespace resources
