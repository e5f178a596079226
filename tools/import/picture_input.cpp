// Reading picture files for the importer: a plain file read once, its format
// told by content, size and damage checks before and after decoding.
#include "picture_input.h"

#include "svg_input.h"

#include "platform/jpeg_scans.h"
#include "platform/picture_io.h"
#include "platform/plain_file.h"

#include <QPainter>
#include <QSvgRenderer>

namespace importer {
namespace {

using platform::PictureFormat;

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

QString tooManyScans(int scans, QSize size)
{
    return QString("the JPEG is stored in %1 scans, too many to decode (at most %2, and at most %3 for "
                   "a picture of %4 x %5 pixels)")
        .arg(scans)
        .arg(platform::kMaxJpegScans)
        .arg(std::min<qint64>(platform::kMaxJpegScans,
                              platform::kMaxJpegScanPixels / std::max<qint64>(1, qint64(size.width()) * size.height())))
        .arg(size.width())
        .arg(size.height());
}

PictureFile readSvg(const QByteArray& bytes)
{
    if (bytes.size() > kMaxSvgFileBytes)
        return refused(QString("the drawing is too large (%1 MiB; at most %2 MiB)")
                           .arg(megabytes(bytes.size()), megabytes(kMaxSvgFileBytes)));
    const DecoderWatch watch;
    const SelfContainedSvg svg = selfContainedSvg(bytes);
    if (svg.document.isEmpty())
        return refused("damaged SVG drawing");
    PictureFile picture;
    picture.svg = svg.document;
    picture.dropped = svg.dropped;
    const QSvgRenderer renderer(picture.svg);
    picture.size = renderer.defaultSize();
    if (!renderer.isValid() || picture.size.isEmpty())
        return refused("damaged SVG drawing");
    return picture;
}

PictureFile readRaster(const QByteArray& bytes, PictureFormat format)
{
    const QSize size = platform::announcedSize(bytes, format);
    const QSize decoded = size.isValid() ? decodingSize(size) : QSize();
    if (size.isValid() && decoded.isEmpty())
        return refused(tooLarge(size));
    // A picture decoded at half its size costs the decoder a quarter of the work.
    if (const int scans = platform::jpegLayout(bytes).scans;
        format == PictureFormat::Jpeg && !platform::jpegWorkAcceptable(scans, decoded))
        return refused(tooManyScans(scans, decoded));
    PictureFile picture;
    const DecoderWatch watch;
    picture.raster = platform::decodePicture(bytes, format, false, decoded == size ? QSize() : decoded);
    if (picture.raster.isNull() || watch.truncated())
        return refused("the picture is damaged or incomplete");
    picture.size = picture.raster.size();
    return picture;
}

QString readProblem(const platform::FileContent& file)
{
    switch (file.status) {
    case platform::ReadStatus::Missing:
        return "no such file";
    case platform::ReadStatus::NotPlain:
        return "not a file";
    case platform::ReadStatus::TooLarge:
        return QString("the file is too large (%1 MiB; at most %2 MiB)")
            .arg(megabytes(file.size), megabytes(kMaxPictureFileBytes));
    case platform::ReadStatus::Failed:
        return "cannot be opened or read";
    case platform::ReadStatus::Read:
        break;
    }
    return file.bytes.isEmpty() ? "the file is empty" : QString();
}

} // namespace

bool isImportedRaster(PictureFormat format)
{
    return format == PictureFormat::Png || format == PictureFormat::Jpeg || format == PictureFormat::Gif ||
           format == PictureFormat::Bmp;
}

PictureFile readPictureFile(const QString& path)
{
    const platform::FileContent file = platform::readPlainFile(path, kMaxPictureFileBytes);
    if (const QString why = readProblem(file); !why.isEmpty())
        return refused(why);
    const PictureFormat format = platform::pictureFormatOf(file.bytes);
    if (isImportedRaster(format))
        return readRaster(file.bytes, format);
    if (format == PictureFormat::Unknown && looksLikeSvg(file.bytes))
        return readSvg(file.bytes);
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
