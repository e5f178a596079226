// Reading picture files for the importer: format, size and damage checks before and after decoding.
#include "picture_input.h"

#include "platform/picture_io.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

namespace importer {
namespace {

bool truncationReported = false;

// Decoders report a truncated JPEG only as a warning; the warnings of a
// refused file mean nothing to a parent, so all are kept off the terminal.
void watchDecoder(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (message.contains(QLatin1String("premature end"), Qt::CaseInsensitive))
        truncationReported = true;
}

class DecoderWatch {
public:
    DecoderWatch() : previous_(qInstallMessageHandler(watchDecoder)) { truncationReported = false; }
    ~DecoderWatch() { qInstallMessageHandler(previous_); }
    DecoderWatch(const DecoderWatch&) = delete;
    DecoderWatch& operator=(const DecoderWatch&) = delete;
    bool truncated() const { return truncationReported; }

private:
    QtMessageHandler previous_;
};

PictureFile refused(const QString& why)
{
    PictureFile file;
    file.error = why;
    return file;
}

QString megabytes(qint64 bytes) { return QString::number((bytes + (1 << 20) - 1) >> 20); }

bool acceptableSize(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= platform::kMaxPictureSide &&
           size.height() <= platform::kMaxPictureSide &&
           qint64(size.width()) * size.height() <= platform::kMaxPicturePixels;
}

// The size to decode a picture at: its own, half of it beyond the limits, or
// empty when even that is too large.
QSize decodingSize(QSize size)
{
    if (acceptableSize(size))
        return size;
    const QSize shrunk = size / kMaxDecodeShrink;
    return acceptableSize(shrunk) ? shrunk : QSize();
}

QString tooLarge(QSize size)
{
    return QString("the picture is too large (%1 x %2 pixels; at most %3 pixels a side and %4 million in all)")
        .arg(size.width())
        .arg(size.height())
        .arg(platform::kMaxPictureSide * kMaxDecodeShrink)
        .arg(platform::kMaxPicturePixels * kMaxDecodeShrink * kMaxDecodeShrink / 1'000'000);
}

// An uncompressed BMP shorter than its header promises: Qt would show the missing rows black.
bool bmpShorterThanHeader(const QString& path, qint64 fileSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(34);
    if (head.size() < 34 || qFromLittleEndian<quint32>(head.constData() + 14) < 40)
        return false;
    const auto offset = qFromLittleEndian<quint32>(head.constData() + 10);
    const qint64 width = qFromLittleEndian<qint32>(head.constData() + 18);
    const qint64 height = qAbs(qint64(qFromLittleEndian<qint32>(head.constData() + 22)));
    const auto bits = qFromLittleEndian<quint16>(head.constData() + 28);
    const auto compression = qFromLittleEndian<quint32>(head.constData() + 30);
    // Sizes the reader refuses anyway are left to it, and keep the product below in range.
    if ((compression != 0 && compression != 3) || width <= 0 || width > platform::kMaxPictureSide ||
        height > platform::kMaxPictureSide || bits == 0 || bits > 32)
        return false;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return fileSize < qint64(offset) + rowBytes * height;
}

PictureFile readSvg(const QString& path, qint64 fileSize)
{
    if (fileSize > kMaxSvgFileBytes)
        return refused(QString("the drawing is too large (%1 MiB; at most %2 MiB)")
                           .arg(megabytes(fileSize), megabytes(kMaxSvgFileBytes)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused("cannot be opened: " + file.errorString());
    PictureFile picture;
    picture.svg = file.readAll();
    const DecoderWatch watch;
    const QSvgRenderer renderer(picture.svg);
    picture.size = renderer.defaultSize();
    if (!renderer.isValid() || picture.size.isEmpty())
        return refused("damaged SVG drawing");
    return picture;
}

PictureFile readRaster(const QString& path, qint64 fileSize, QImageReader& reader)
{
    if (fileSize > kMaxPictureFileBytes)
        return refused(QString("the file is too large (%1 MiB; at most %2 MiB)")
                           .arg(megabytes(fileSize), megabytes(kMaxPictureFileBytes)));
    const QSize size = reader.size();
    const QSize decoded = size.isValid() ? decodingSize(size) : QSize();
    if (size.isValid() && decoded.isEmpty())
        return refused(tooLarge(size));
    if (reader.format() == "bmp" && bmpShorterThanHeader(path, fileSize))
        return refused("the picture is damaged or incomplete");
    PictureFile picture;
    const DecoderWatch watch;
    picture.raster = decoded == size ? platform::loadPicture(path) : platform::loadPictureScaled(path, decoded);
    if (picture.raster.isNull() || watch.truncated())
        return refused("the picture is damaged or incomplete");
    picture.size = picture.raster.size();
    return picture;
}

} // namespace

PictureFile readPictureFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refused("no such file");
    if (!info.isFile())
        return refused("not a file");
    if (info.size() == 0)
        return refused("the file is empty");
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const DecoderWatch watch;
    const QByteArray format = reader.canRead() ? reader.format() : QByteArray();
    if (format == "svg")
        return readSvg(path, info.size());
    if (format == "png" || format == "jpeg" || format == "gif" || format == "bmp")
        return readRaster(path, info.size(), reader);
    return refused("not a picture Tintaro can read (PNG, JPEG, GIF, BMP or SVG)");
}

QImage renderPicture(const PictureFile& picture, QSize size)
{
    Q_ASSERT(picture.ok());
    if (size.isEmpty())
        return {};
    if (picture.svg.isEmpty()) {
        if (picture.raster.size() == size)
            return picture.raster;
        return picture.raster.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QSvgRenderer renderer(picture.svg);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace importer
