// Pixel digests of canvases and coloured copies.
#include "tests/robustness/copy_digest.h"

#include "platform/picture_io.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace robustness {

QString imageDigest(const QImage& image)
{
    if (image.isNull())
        return "-";
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash sha(QCryptographicHash::Sha1);
    sha.addData(QByteArray::number(rgb.width()) + "x" + QByteArray::number(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        sha.addData(QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return QString::fromLatin1(sha.result().toHex());
}

QString filePixelsDigest(const QString& path)
{
    if (!QFileInfo::exists(path))
        return "-";
    const QImage copy = platform::loadPicture(path);
    return copy.isNull() ? QStringLiteral("unreadable") : imageDigest(copy);
}

} // namespace robustness
