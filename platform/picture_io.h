// Reading pictures from disk and writing coloured copies safely.
#pragma once

#include "platform/owned_folder.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

// Limits on a picture the program agrees to decode.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr qint64 kMaxPicturePixels = 40'000'000;
// A JPEG is decoded once per scan: a progressive file has about ten. The work
// of a picture is bounded by its scans, and by its scans times its pixels
// (sixteen full scans of the largest picture accepted).
inline constexpr int kMaxJpegScans = 64;
inline constexpr qint64 kMaxJpegScanPixels = 16 * kMaxPicturePixels;

// Whether a JPEG of `size` with `scans` scans is within the limits above.
bool jpegWorkAcceptable(int scans, QSize size);

// The picture formats the program knows, told by their first bytes.
enum class PictureFormat { Unknown, Bmp, Gif, Jpeg, Ico, Png };

PictureFormat pictureFormatOf(const QByteArray& bytes);

// The size a picture's header announces, read by the decoder of `format`
// only; invalid when it cannot be told.
QSize announcedSize(const QByteArray& bytes, PictureFormat format);

// The formats of the book (its pages, copies, logos, palettes, textures, tool
// pictures and background): BMP, GIF, JPEG and ICO. Nothing else is decoded
// from the program folder, whatever a file's name says.
bool isBookFormat(PictureFormat format);

// Whether a picture of `size` is within kMaxPictureSide and kMaxPicturePixels.
bool withinPictureLimits(QSize size);

// Why a picture was not decoded.
enum class PictureRefusal {
    None,
    NotAPicture, // no format the caller reads
    Incomplete,  // cut off: the file's own structure ends too soon
    TooLarge,    // beyond the size limits
    TooCostly,   // a JPEG of too many scans for its size
    Damaged,     // the decoder failed
};

struct DecodedPicture {
    QImage image;                                  // null when refused
    PictureRefusal refusal = PictureRefusal::None;
    QSize size;     // the size the file announces (invalid when it cannot be told)
    QSize decoding; // the size it was (or would have been) decoded at
    int scans = 0;  // a JPEG's scans

    bool ok() const { return refusal == PictureRefusal::None; }
};

// How a picture is decoded: `keepAlpha` keeps transparency (Format_ARGB32)
// instead of dropping it onto white; a valid `scaledSize` (within the
// limits) is the size the reader resamples to while it decodes, whatever the
// picture's own; a picture beyond the limits by up to `maxShrink` times along
// each side is decoded shrunk by that much instead of refused.
struct DecodeOptions {
    bool keepAlpha = false;
    QSize scaledSize;
    int maxShrink = 1;
    // A GIF of the kind the book's pages are (see decodePlainGif) comes as
    // Format_Indexed8 with its colour table: a quarter of the memory.
    bool keepPalette = false;
};

// Decodes `bytes`, which pictureFormatOf() found to be `format`, with that
// format's decoder only, or says why it would not: a truncated, oversized or
// too costly picture (see the JPEG limits) is refused before it is decoded.
// The image is Format_RGB32 (alpha dropped onto white) unless keepAlpha or
// keepPalette says otherwise.
DecodedPicture decodePictureChecked(const QByteArray& bytes, PictureFormat format, const DecodeOptions& options);

// decodePictureChecked() when only the picture matters: null when refused.
QImage decodePicture(const QByteArray& bytes, PictureFormat format, bool keepAlpha = false,
                     QSize scaledSize = QSize());

// Reads a plain file (see readPlainFile) and decodes it when it holds a
// picture of the book's formats; anything else gives a null image.
QImage loadPicture(const QString& path, bool keepAlpha = false);

// loadPicture() of a book page: a page of the book's kind comes as
// Format_Indexed8 (see DecodeOptions::keepPalette), any other picture as
// loadPicture() gives it.
QImage loadPage(const QString& path);

// The size of the picture in a plain file of the book's formats, read from
// its header without decoding it; an invalid size when the file is missing,
// not a picture or beyond the limits.
QSize pictureSize(const QString& path);

// loadPicture() of a picture larger than the limits, resampled to
// `scaledSize` (within them) by the reader while it decodes, so that the
// whole picture is never held in memory (JPEG decodes at that size directly).
QImage loadPictureScaled(const QString& path, QSize scaledSize);

// Writes `image` as a 24-bit Windows BMP at `relative` below `folder`, as
// OwnedFolder::replaceFile writes (complete or not at all, never through a
// link). Returns false on failure, leaving any earlier file as it was.
bool saveBmp(const QImage& image, const OwnedFolder& folder, const QString& relative);

// What writes `image` as a 24-bit Windows BMP into a device (for
// OwnedFolder); it fails for a null image. `image` must outlive its use.
OwnedFolder::Writer bmpWriter(const QImage& image);

// saveBmp into the folder that holds `path`, trusted as named.
bool saveBmpAtomically(const QImage& image, const QString& path);

} // namespace platform
