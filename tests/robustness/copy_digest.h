// Digests that tell coloured copies apart by their pixels.
#pragma once

#include <QImage>
#include <QString>

namespace robustness {

// A hex digest of the pixels of `image` as Format_RGB32 ("-" for a null image).
QString imageDigest(const QImage& image);

// imageDigest of the picture in the file at `path`, "-" when there is no
// such file, "unreadable" when it is there but is not a whole picture.
QString filePixelsDigest(const QString& path);

} // namespace robustness
