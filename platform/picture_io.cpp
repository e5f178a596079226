// Reading pictures of known formats within size and work limits, refusing
// truncated files, and writing BMP copies through a temporary file.
#include "platform/picture_io.h"

#include "platform/gif_decode.h"
#include "platform/jpeg_scans.h"
#include "platform/plain_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cstdlib>

namespace platform {
namespace {

// Four bytes a pixel at the largest accepted picture, in the reader's MiB.
constexpr int kAllocationLimitMiB = static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024)) + 1;
// No picture within the pixel limit needs a larger file (an uncompressed 32-bit BMP).
constexpr qint64 kMaxFileBytes = kMaxPicturePixels * 4 + 64 * 1024;
// The start of a file that holds its header, colour tables included.
constexpr qint64 kHeaderBytes = 64 * 1024;

quint32 le32(const QByteArray& b, qsizetype at)
{
    auto byte = [&](qsizetype i) { return static_cast<quint32>(static_cast<uchar>(b[at + i])); };
    return byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24);
}

quint32 le16(const QByteArray& b, qsizetype at)
{
    return static_cast<quint32>(static_cast<uchar>(b[at])) |
           (static_cast<quint32>(static_cast<uchar>(b[at + 1])) << 8);
}

// Qt decodes what there is of a cut-off BMP, GIF or JPEG and fills the rest, so
// the file's own structure is checked first: a cut-off page must not pass for a
// drawing with a blank lower half.
bool bmpComplete(const QByteArray& b)
{
    if (b.size() < 30)
        return false;
    const qint64 pixelsAt = le32(b, 10);
    const quint32 headerSize = le32(b, 14);
    qint64 width = 0, height = 0, bits = 0, compression = 0, dataSize = 0;
    if (headerSize == 12) {
        width = le16(b, 18), height = le16(b, 20), bits = le16(b, 24);
    } else if (headerSize >= 40 && b.size() >= 38) {
        width = static_cast<qint32>(le32(b, 18)), height = static_cast<qint32>(le32(b, 22));
        bits = le16(b, 28), compression = le32(b, 30), dataSize = le32(b, 34);
    } else {
        return true; // an unknown header: the reader decides
    }
    const bool plain = compression == 0 || compression == 3 || compression == 6;
    if (!plain)
        return b.size() >= pixelsAt + dataSize;
    // Larger pictures are refused anyway; bounding them first keeps the product below in range.
    if (width > kMaxPictureSide || std::abs(height) > kMaxPictureSide)
        return false;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return width > 0 && b.size() >= pixelsAt + rowBytes * std::abs(height);
}

// Skips the data sub-blocks starting at `at`; false when the file ends first.
bool skipGifBlocks(const QByteArray& b, qsizetype& at)
{
    while (at < b.size()) {
        const int n = static_cast<uchar>(b[at++]);
        if (n == 0)
            return true;
        at += n;
    }
    return false;
}

qsizetype gifColourTableBytes(const QByteArray& b, qsizetype flagsAt)
{
    const int flags = static_cast<uchar>(b[flagsAt]);
    return (flags & 0x80) ? 3 << ((flags & 7) + 1) : 0;
}

// Complete when the first image's data ends with its terminating block.
bool gifComplete(const QByteArray& b)
{
    if (b.size() < 13)
        return false;
    qsizetype at = 13 + gifColourTableBytes(b, 10);
    while (at < b.size()) {
        const int kind = static_cast<uchar>(b[at]);
        if (kind == 0x21) {
            at += 2;
            if (!skipGifBlocks(b, at))
                return false;
        } else if (kind == 0x2C) {
            if (at + 11 > b.size())
                return false;
            at += 10 + gifColourTableBytes(b, at + 9) + 1;
            return skipGifBlocks(b, at);
        } else {
            return false;
        }
    }
    return false;
}

bool looksComplete(const QByteArray& b, PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bmp:
        return bmpComplete(b);
    case PictureFormat::Gif:
        return gifComplete(b);
    case PictureFormat::Jpeg:
        return jpegLayout(b).complete;
    default:
        return true; // the PNG and ICO readers fail on cut-off files themselves
    }
}

QImage onWhite(const QImage& image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    if (flat.isNull())
        return {};
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

QByteArray readerFormat(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Ico:
        return "ico";
    case PictureFormat::Png:
        return "png";
    case PictureFormat::Unknown:
        break;
    }
    return {};
}

// A reader of `bytes` that uses the decoder of `format` and no other plugin.
class OneFormatReader {
public:
    OneFormatReader(const QByteArray& bytes, PictureFormat format) : reader_(&buffer_, readerFormat(format))
    {
        buffer_.setData(bytes);
        reader_.setAutoDetectImageFormat(false);
        reader_.setDecideFormatFromContent(false);
        reader_.setAllocationLimit(kAllocationLimitMiB);
        opened_ = buffer_.open(QIODevice::ReadOnly);
    }
    QImageReader* get() { return opened_ ? &reader_ : nullptr; }

private:
    QBuffer buffer_;
    QImageReader reader_;
    bool opened_ = false;
};

// The size to decode a picture of `size` at: its own, or shrunk by up to
// `maxShrink` to fit the limits; empty when none fits.
QSize decodingSize(QSize size, int maxShrink)
{
    for (int shrink = 1; shrink <= maxShrink; ++shrink) {
        if (withinPictureLimits(size / shrink))
            return size / shrink;
    }
    return {};
}

DecodedPicture refused(DecodedPicture picture, PictureRefusal why)
{
    picture.image = QImage();
    picture.refusal = why;
    return picture;
}

QImage withAlphaAsAsked(const QImage& image, bool keepAlpha)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    if (keepAlpha)
        return image.convertToFormat(QImage::Format_ARGB32);
    return onWhite(image);
}

// Sizes and costs are judged from the header before the file's structure, so
// a huge picture is called that even when it is also cut off. A reader that
// cannot tell the size beforehand is still bounded by the allocation limit.
DecodedPicture decode(const QByteArray& bytes, PictureFormat format, const DecodeOptions& options)
{
    DecodedPicture picture;
    // The book's own pages: decoded by the fast path when they are plain.
    if (format == PictureFormat::Gif && !options.scaledSize.isValid()) {
        const QImage plain = decodePlainGif(bytes, kMaxPictureSide, kMaxPicturePixels);
        if (!plain.isNull()) {
            picture.image = options.keepPalette ? plain : plain.convertToFormat(QImage::Format_RGB32);
            picture.size = picture.decoding = plain.size();
            return picture;
        }
    }
    OneFormatReader one(bytes, format);
    QImageReader* reader = one.get();
    if (reader == nullptr || !reader->canRead())
        return refused(picture, PictureRefusal::Damaged);
    picture.size = reader->size();
    picture.decoding = options.scaledSize.isValid() ? options.scaledSize
                       : picture.size.isValid()     ? decodingSize(picture.size, options.maxShrink)
                                                    : QSize();
    if (picture.size.isValid() && picture.decoding.isEmpty())
        return refused(picture, PictureRefusal::TooLarge);
    // A JPEG with thousands of (even empty) scans takes the decoder seconds.
    if (format == PictureFormat::Jpeg) {
        picture.scans = jpegLayout(bytes).scans;
        if (!jpegWorkAcceptable(picture.scans, picture.decoding))
            return refused(picture, PictureRefusal::TooCostly);
    }
    if (!looksComplete(bytes, format))
        return refused(picture, PictureRefusal::Incomplete);
    if (picture.decoding.isValid() && picture.decoding != picture.size)
        reader->setScaledSize(picture.decoding);
    const QImage image = reader->read();
    if (!withinPictureLimits(image.size()))
        return refused(picture, image.isNull() ? PictureRefusal::Damaged : PictureRefusal::TooLarge);
    picture.image = withAlphaAsAsked(image, options.keepAlpha);
    return picture.image.isNull() ? refused(picture, PictureRefusal::Damaged) : picture;
}

} // namespace

// Writes straight into the file: a canvas is megabytes, better not copied first.
OwnedFolder::Writer bmpWriter(const QImage& image)
{
    return [&image](QIODevice& device) {
        // 32-bit images are written as 24-bit BMP; other formats would keep their palette.
        const QImage rgb =
            image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
        return !rgb.isNull() && rgb.save(&device, "BMP");
    };
}

bool withinPictureLimits(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxPictureSide &&
           size.height() <= kMaxPictureSide && static_cast<qint64>(size.width()) * size.height() <= kMaxPicturePixels;
}

bool jpegWorkAcceptable(int scans, QSize size)
{
    return scans <= kMaxJpegScans && qint64(scans) * size.width() * size.height() <= kMaxJpegScanPixels;
}

PictureFormat pictureFormatOf(const QByteArray& bytes)
{
    if (bytes.startsWith("BM"))
        return PictureFormat::Bmp;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return PictureFormat::Gif;
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return PictureFormat::Jpeg;
    if (bytes.startsWith(QByteArrayView("\0\0\1\0", 4)))
        return PictureFormat::Ico;
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return PictureFormat::Png;
    return PictureFormat::Unknown;
}

QSize announcedSize(const QByteArray& bytes, PictureFormat format)
{
    OneFormatReader one(bytes, format);
    return one.get() != nullptr ? one.get()->size() : QSize();
}

bool isBookFormat(PictureFormat format)
{
    return format == PictureFormat::Bmp || format == PictureFormat::Gif || format == PictureFormat::Jpeg ||
           format == PictureFormat::Ico;
}

DecodedPicture decodePictureChecked(const QByteArray& bytes, PictureFormat format, const DecodeOptions& options)
{
    Q_ASSERT(format == pictureFormatOf(bytes));
    Q_ASSERT(options.maxShrink >= 1);
    if (format == PictureFormat::Unknown)
        return refused({}, PictureRefusal::NotAPicture);
    return decode(bytes, format, options);
}

QImage decodePicture(const QByteArray& bytes, PictureFormat format, bool keepAlpha, QSize scaledSize)
{
    return decodePictureChecked(bytes, format, {keepAlpha, scaledSize, 1}).image;
}

namespace {

QImage loadPictureWith(const QString& path, const DecodeOptions& options)
{
    const FileContent file = readPlainFile(path, kMaxFileBytes);
    if (!file.ok())
        return {};
    const PictureFormat format = pictureFormatOf(file.bytes);
    return isBookFormat(format) ? decodePictureChecked(file.bytes, format, options).image : QImage();
}

} // namespace

QImage loadPicture(const QString& path, bool keepAlpha)
{
    DecodeOptions options;
    options.keepAlpha = keepAlpha;
    return loadPictureWith(path, options);
}

QImage loadPage(const QString& path)
{
    DecodeOptions options;
    options.keepPalette = true;
    return loadPictureWith(path, options);
}

QSize pictureSize(const QString& path)
{
    const FileContent file = readPlainFilePrefix(path, kHeaderBytes);
    if (!file.ok())
        return {};
    const PictureFormat format = pictureFormatOf(file.bytes);
    const QSize size = isBookFormat(format) ? announcedSize(file.bytes, format) : QSize();
    return withinPictureLimits(size) ? size : QSize();
}

bool saveBmp(const QImage& image, const OwnedFolder& folder, const QString& relative)
{
    return !image.isNull() && folder.replaceFile(relative, bmpWriter(image)).ok();
}

QImage loadPictureScaled(const QString& path, QSize scaledSize)
{
    Q_ASSERT(withinPictureLimits(scaledSize));
    const FileContent file = readPlainFile(path, kMaxFileBytes);
    if (!file.ok())
        return {};
    const PictureFormat format = pictureFormatOf(file.bytes);
    return isBookFormat(format) ? decodePicture(file.bytes, format, false, scaledSize) : QImage();
}

bool saveBmpAtomically(const QImage& image, const QString& path)
{
    const QFileInfo info(path);
    return saveBmp(image, OwnedFolder(info.path()), info.fileName());
}

} // namespace platform
