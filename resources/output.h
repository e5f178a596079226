// Writing the generated files into the program folder.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace resources {

// Writes `bytes` to `path` (creating its folder) with mode 0644. The file is
// replaced atomically, and left untouched when it already holds these bytes.
// False when the file could not be written.
bool writeFile(const QString& path, const QByteArray& bytes);

// The bytes of `image` encoded in `format` ("BMP", "JPG"); empty on failure.
QByteArray encodeImage(const QImage& image, const char* format, int quality = -1);

} // namespace resources
