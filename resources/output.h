// Writing the generated files into the program folder.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace resources {

// Writes `bytes` to `path` (creating its folder) with mode 0644. The file is
// replaced atomically, and left untouched when it already holds these bytes.
// False when the file could not be written.
bool writeFile(const QString& path, const QByteArray& bytes);

// The bytes of `image` encoded in `format` ("BMP", "JPG"); empty on failure.
QByteArray encodeImage(const QImage& image, const char* format, int quality = -1);

// Writes generated files below one folder and remembers what it wrote and
// what failed, by relative path.
class FolderWriter {
public:
    explicit FolderWriter(const QString& folder) : folder_(folder) {}

    // Writes `bytes` as `relative`; empty bytes count as a failure except
    // for text files, which may be empty.
    void put(const QString& relative, const QByteArray& bytes);
    QStringList written() const { return written_; }
    QStringList failures() const { return failures_; }

private:
    QString folder_;
    QStringList written_;
    QStringList failures_;
};

} // namespace resources
