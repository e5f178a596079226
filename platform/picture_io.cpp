// Reading pictures within size limits, refusing truncated files, and writing BMP copies through a temporary file.
#include "platform/picture_io.h"

#include <QBuffer>
#include <cstdlib>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

namespace platform {
namespace {

// Four bytes a pixel at the largest accepted picture, in the reader's MiB.
constexpr int kAllocationLimitMiB = static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024)) + 1;
// No picture within the pixel limit needs a larger file (an uncompressed 32-bit BMP).
constexpr qint64 kMaxFileBytes = kMaxPicturePixels * 4 + 64 * 1024;
// The start of a file that holds its header.
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

// Complete when an end-of-image marker follows the last start-of-scan marker.
bool jpegComplete(const QByteArray& b)
{
    const qsizetype scan = b.lastIndexOf("\xFF\xDA");
    return scan >= 0 && b.lastIndexOf("\xFF\xD9") > scan;
}

bool looksComplete(const QByteArray& b)
{
    if (b.startsWith("BM"))
        return bmpComplete(b);
    if (b.startsWith("GIF8"))
        return gifComplete(b);
    if (b.startsWith("\xFF\xD8\xFF"))
        return jpegComplete(b);
    return true; // PNG and ICO readers fail on cut-off files themselves
}

bool acceptableSize(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxPictureSide &&
           size.height() <= kMaxPictureSide &&
           static_cast<qint64>(size.width()) * size.height() <= kMaxPicturePixels;
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

QImage decode(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    // The content decides, so a page saved under the wrong extension still opens.
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kAllocationLimitMiB);
    if (!reader.canRead())
        return {};
    const QSize size = reader.size();
    // A reader that cannot tell the size beforehand is still bounded by the allocation limit.
    if (size.isValid() && !acceptableSize(size))
        return {};
    const QImage image = reader.read();
    return acceptableSize(image.size()) ? image : QImage();
}

} // namespace

QImage loadPicture(const QString& path, bool keepAlpha)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return {};
    const QByteArray bytes = file.readAll();
    if (!looksComplete(bytes))
        return {};
    const QImage image = decode(bytes);
    if (image.isNull())
        return {};
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    if (keepAlpha)
        return image.convertToFormat(QImage::Format_ARGB32);
    return onWhite(image);
}

QSize pictureSize(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return {};
    // Every format's header, colour tables included, lies well within this.
    QBuffer buffer;
    buffer.setData(file.read(kHeaderBytes));
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    const QSize size = reader.canRead() ? reader.size() : QSize();
    return acceptableSize(size) ? size : QSize();
}

bool saveBmpAtomically(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    // 32-bit images are written as 24-bit BMP; other formats would keep their palette.
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!rgb.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
