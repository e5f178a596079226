// Program folders built by tests: a copy of the real one, or one made from
// scratch with crafted sets, pages and settings.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace testsupport {

// The program folder laid out by the build (TINTARO_PROGRAM_FOLDER).
QString builtProgramFolder();

// A temporary program folder, removed when the object goes.
class TestFolder {
public:
    // Empty folder, or a copy of the built program folder (its resources,
    // without any coloured copies and without the executable).
    explicit TestFolder(bool copyBuilt = false);

    QString path() const { return dir_->path(); }
    QString file(const QString& relative) const { return path() + "/" + relative; }

    // Writes a text file (creating its folders).
    void writeText(const QString& relative, const QByteArray& content) const;
    // Writes a picture; the format follows the extension (gif, bmp, png, jpg).
    void writeImage(const QString& relative, const QImage& image) const;
    // A set: its logo "logos/<logoName>" and pages dibujos/<set>/1.gif.. made
    // from `pages`. The set name is the logo name less its last 4 characters.
    void addSet(const QString& logoName, const QList<QImage>& pages) const;
    void remove(const QString& relative) const;
    bool exists(const QString& relative) const;
    // Copies `executable` into the folder as "tintaro", as it is installed.
    void installProgram(const QString& executable) const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// The column "eraseSetting" (the first line of borra.txt) with a row for
// each setting: copies kept ("NO"), and copies cleared at every start.
void addEraseSettingRows();

struct ImportRun {
    int status = -1; // -1: it did not end by itself within the bound
    QString out;
    QString err;
};

// Runs the built tintaro-import on `folder` with `arguments`, waiting up to
// `boundMs` for it to end (it is killed beyond that).
ImportRun runImporter(const TestFolder& folder, const QStringList& arguments, int boundMs = 300000);

// A white page with black rectangles outlined (1-pixel lines), one per rect.
QImage outlinedPage(QSize size, const QList<QRect>& boxes, int lineWidth = 1);

// Number of pixels of `image` equal to `rgb` (RGB compared, alpha ignored).
qint64 countColour(const QImage& image, QRgb rgb);

} // namespace testsupport
