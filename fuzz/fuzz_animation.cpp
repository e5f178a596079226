// Tool animations: any bytes played the way the animated tool marker plays
// "pato.gif" (a QMovie given only GIF data, with the GIF decoder), read from
// memory, through every frame, scaled down into a place when larger.
#include "fuzz_support.h"

#include "platform/picture_io.h"

#include <QBuffer>
#include <QMovie>
#include <QPixmap>

namespace {

// An animation may name any number of frames; a marker shows this many at most.
constexpr int kMaxFrames = 256;
const QSize kPlace(90, 91);

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (platform::pictureFormatOf(bytes) != platform::PictureFormat::Gif)
        return 0;
    QBuffer buffer(&bytes);
    QMovie movie(&buffer, "gif");
    if (!movie.isValid() || !movie.jumpToFrame(0))
        return 0;
    // The marker takes the first frame's size, scaled down into its place
    // when larger, and shows every frame at that size.
    const QSize first = movie.currentImage().size();
    const bool scaled = first.width() > kPlace.width() || first.height() > kPlace.height();
    if (scaled)
        movie.setScaledSize(first.scaled(kPlace, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    fuzz::check(movie.currentPixmap().size() == first, "a frame's pixmap differs from its picture");
    for (int frame = 1; frame < kMaxFrames && movie.jumpToNextFrame(); ++frame) {
        fuzz::check(movie.currentPixmap().size() == movie.currentImage().size(),
                    "a frame's pixmap differs from its picture");
        const QSize size = movie.currentImage().size();
        fuzz::check(!scaled || (size.width() <= kPlace.width() && size.height() <= kPlace.height()),
                    "a frame scaled into its place came out larger");
    }
    return 0;
}
