// Reading pictures from disk and writing coloured copies safely.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

// Limits on a picture the program agrees to decode.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr qint64 kMaxPicturePixels = 40'000'000;

// Loads BMP, GIF (first frame), JPEG, PNG or ICO. A missing, unreadable,
// truncated or oversized picture gives a null image. The result is
// Format_RGB32 (alpha dropped onto white) unless `keepAlpha`.
QImage loadPicture(const QString& path, bool keepAlpha = false);

// The size of the picture in a file, read from its header without decoding
// it; an invalid size when the file is missing, unreadable or oversized.
QSize pictureSize(const QString& path);

// Writes `image` as a 24-bit Windows BMP. The file is written to a temporary
// file beside the target and renamed over it only when complete, so a failure
// leaves any earlier file untouched. Returns false on failure.
bool saveBmpAtomically(const QImage& image, const QString& path);

} // namespace platform
