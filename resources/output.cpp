// Writing the generated files into the program folder.
#include "output.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace resources {
namespace {

bool sameContent(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.size() != bytes.size() || !file.open(QIODevice::ReadOnly))
        return false;
    return file.readAll() == bytes;
}

constexpr QFileDevice::Permissions kMode0644 = QFileDevice::ReadOwner | QFileDevice::WriteOwner
    | QFileDevice::ReadGroup | QFileDevice::ReadOther;

} // namespace

bool writeFile(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (!sameContent(path, bytes)) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return false;
    }
    return QFile::setPermissions(path, kMode0644);
}

QByteArray encodeImage(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return bytes;
}

void FolderWriter::put(const QString& relative, const QByteArray& bytes)
{
    if ((bytes.isEmpty() && !relative.endsWith(".txt")) || !writeFile(folder_ + "/" + relative, bytes))
        failures_ << relative;
    else
        written_ << relative;
}

} // namespace resources
