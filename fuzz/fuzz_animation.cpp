// Tool animations: any bytes played the way the animated tool marker plays
// "pato.gif" (a QMovie), read from memory, through every frame.
#include "fuzz_support.h"

#include <QBuffer>
#include <QMovie>
#include <QPixmap>

namespace {

// An animation may name any number of frames; a marker shows this many at most.
constexpr int kMaxFrames = 256;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    QMovie movie(&buffer);
    if (!movie.isValid())
        return 0;
    if (!movie.jumpToFrame(0))
        return 0;
    // The marker takes the first frame's size and shows each frame as a pixmap.
    const QSize first = movie.currentImage().size();
    fuzz::check(movie.currentPixmap().size() == first, "a frame's pixmap differs from its picture");
    for (int frame = 1; frame < kMaxFrames && movie.jumpToNextFrame(); ++frame)
        fuzz::check(movie.currentPixmap().size() == movie.currentImage().size(),
                    "a frame's pixmap differs from its picture");
    return 0;
}
