// Reading the pictures given to the importer, within limits, with the reason
// when a file is refused.
#pragma once

#include "platform/picture_io.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace importer {

// Larger files are refused before they are parsed.
inline constexpr qint64 kMaxPictureFileBytes = 256LL * 1024 * 1024;
inline constexpr qint64 kMaxSvgFileBytes = 8LL * 1024 * 1024;
// A raster up to this many times platform::loadPicture's limits along each
// side is decoded at half its size (a phone's 48-megapixel photo).
inline constexpr int kMaxDecodeShrink = 2;

struct PictureFile {
    QImage raster;  // Format_RGB32, transparency flattened onto white; null for SVG
    QByteArray svg; // the SVG document, self-contained; empty for a raster picture
    QSize size;     // natural size in pixels (an SVG's default size)
    int dropped = 0; // references to other files an SVG held, left out
    QString error;  // why the file was refused; empty when it was read

    bool ok() const { return error.isEmpty(); }
};

// The raster formats the importer reads: PNG, JPEG, GIF and BMP.
bool isImportedRaster(platform::PictureFormat format);

// Reads a PNG, JPEG, GIF (first frame), BMP or SVG file, judged by its
// content: only a plain file (no pipe, no device) and each format by its own
// decoder. A raster's size and a JPEG's scans are checked against the
// program's limits before it is decoded; one beyond the size limits, up to
// kMaxDecodeShrink times, is shrunk while decoding (`size` is then the shrunk
// size). An SVG is made self-contained (see selfContainedSvg). Missing,
// empty, oversized, damaged or truncated files
// and any other content come back with `error` set.
PictureFile readPictureFile(const QString& path);

// The picture drawn into exactly `size` on white: a raster resampled
// smoothly, an SVG rendered with antialiasing. Format_RGB32; null on failure.
QImage renderPicture(const PictureFile& picture, QSize size);

} // namespace importer
