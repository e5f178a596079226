// What every fuzz target shares: a quiet offscreen application, scratch files
// for loaders that read from disk, and the checks that turn a broken promise
// into a crash libFuzzer keeps.
#pragma once

#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Starts a QGuiApplication on the offscreen platform with Qt's messages
// silenced. Called from LLVMFuzzerInitialize.
void initialise(int* argc, char*** argv);

// Writes `size` bytes to `name` in this process's scratch folder and returns
// the file's full path, for loaders that only read files.
QString scratchFile(const QString& name, const std::uint8_t* data, std::size_t size);
// The full path of `name` in the scratch folder.
QString scratchPath(const QString& name);

// Pictures larger than this are decoded but not processed further: the
// targets look for faults, not for slow work on huge pictures.
inline constexpr qint64 kMaxWorkPixels = 1 << 18;
bool smallEnough(const QImage& image);

// Aborts with `what` when `ok` is false, so libFuzzer records the input.
void check(bool ok, const char* what);

// True when the changed rectangle `changed` (empty: nothing changed) lies in `image`.
inline bool inside(const QRect& changed, const QImage& image)
{
    return changed.isEmpty() || image.rect().contains(changed);
}

// A colour of `image` chosen by `seed`, for picks and fills.
QRgb pixelAt(const QImage& image, std::uint32_t seed);

} // namespace fuzz
