// The shared set-up and checks of the fuzz targets.
#include "fuzz_support.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzz {
namespace {

void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

QString scratchRoot()
{
    // Memory-backed when the machine has it: a file is written at every run.
    const QString shm = QStringLiteral("/dev/shm");
    return QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
}

QTemporaryDir& scratchFolder()
{
    static const std::unique_ptr<QTemporaryDir> folder =
        std::make_unique<QTemporaryDir>(scratchRoot() + "/tintaro-fuzz-XXXXXX");
    return *folder;
}

} // namespace

void initialise(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(discardMessage);
    // Lives until the process ends: the targets run inside it.
    static QGuiApplication app(*argc, *argv);
    check(scratchFolder().isValid(), "no scratch folder");
}

QString scratchPath(const QString& name) { return scratchFolder().filePath(name); }

QString scratchFile(const QString& name, const std::uint8_t* data, std::size_t size)
{
    const QString path = scratchPath(name);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot open a scratch file");
    const auto length = static_cast<qint64>(size);
    check(file.write(reinterpret_cast<const char*>(data), length) == length, "cannot write a scratch file");
    return path;
}

bool smallEnough(const QImage& image)
{
    return static_cast<qint64>(image.width()) * image.height() <= kMaxWorkPixels;
}

void check(bool ok, const char* what)
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

QRgb pixelAt(const QImage& image, std::uint32_t seed)
{
    Q_ASSERT(!image.isNull());
    const int x = static_cast<int>(seed % static_cast<std::uint32_t>(image.width()));
    const int y = static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(image.height()));
    return image.pixel(x, y);
}

} // namespace fuzz
