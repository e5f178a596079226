// GIF files written with giflib: still pictures and looping animations.
#include "lineart/gif_writer.h"

#include "lineart/quantize.h"

#include <gif_lib.h>

#include <memory>

namespace lineart {
namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// giflib wants a power-of-two table; the unused tail is black.
ColourMap colourMapOf(const std::vector<QRgb>& palette)
{
    int size = 2;
    while (size < int(palette.size()))
        size *= 2;
    std::vector<GifColorType> colours(size, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i)
        colours[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                      GifByteType(qBlue(palette[i]))};
    return ColourMap(GifMakeMapObject(size, colours.data()));
}

bool putLoopExtension(GifFileType* gif)
{
    static const GifByteType kName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoopForEver[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
        && EGifPutExtensionBlock(gif, sizeof kName, kName) == GIF_OK
        && EGifPutExtensionBlock(gif, sizeof kLoopForEver, kLoopForEver) == GIF_OK
        && EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putDelay(GifFileType* gif, int delayCentiseconds)
{
    GraphicsControlBlock block{};
    block.DisposalMode = DISPOSE_DO_NOT;
    block.DelayTime = delayCentiseconds;
    block.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType bytes[4];
    const auto length = EGifGCBToExtension(&block, bytes);
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), bytes) == GIF_OK;
}

bool putFrame(GifFileType* gif, int width, int height, std::vector<unsigned char>& pixels)
{
    if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_OK)
        return false;
    for (int y = 0; y < height; ++y) {
        if (EGifPutLine(gif, pixels.data() + std::size_t(y) * width, width) != GIF_OK)
            return false;
    }
    return true;
}

bool writeAll(GifFileType* gif, const std::vector<QImage>& frames, int delayCentiseconds)
{
    IndexedFrames indexed = indexFrames(frames);
    const ColourMap map = colourMapOf(indexed.palette);
    const int width = frames.front().width();
    const int height = frames.front().height();
    const bool animated = frames.size() > 1;
    EGifSetGifVersion(gif, animated);
    if (!map || EGifPutScreenDesc(gif, width, height, 8, 0, map.get()) != GIF_OK)
        return false;
    if (animated && !putLoopExtension(gif))
        return false;
    for (auto& pixels : indexed.pixels) {
        if (animated && !putDelay(gif, delayCentiseconds))
            return false;
        if (!putFrame(gif, width, height, pixels))
            return false;
    }
    return true;
}

QByteArray encodeFrames(const std::vector<QImage>& frames, int delayCentiseconds)
{
    if (frames.empty() || frames.front().isNull())
        return {};
    for (const QImage& frame : frames) {
        if (frame.size() != frames.front().size())
            return {};
    }
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (!gif)
        return {};
    const bool written = writeAll(gif, frames, delayCentiseconds);
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    return written && closed ? bytes : QByteArray();
}

} // namespace

QByteArray encodeGif(const QImage& image) { return encodeFrames({image}, 0); }

QByteArray encodeAnimatedGif(const std::vector<QImage>& frames, int delayCentiseconds)
{
    return encodeFrames(frames, delayCentiseconds);
}

} // namespace lineart
