// Reducing pictures to one shared palette of at most 256 colours for GIF.
#include "lineart/quantize.h"

#include <gif_lib.h>

#include <optional>
#include <set>
#include <unordered_map>

namespace lineart {
namespace {

constexpr std::size_t kMaxColours = 256;

std::vector<QImage> inRgb32(const std::vector<QImage>& frames)
{
    std::vector<QImage> images;
    images.reserve(frames.size());
    for (const QImage& frame : frames)
        images.push_back(frame.convertToFormat(QImage::Format_RGB32));
    return images;
}

// The opaque colours of `images` in ascending order, so every run gives the
// same palette; none once there are more than 256. Line art is mostly long
// runs of one colour, so each run is looked up once.
std::optional<std::set<QRgb>> fewColoursOf(const std::vector<QImage>& images)
{
    std::set<QRgb> colours;
    for (const QImage& image : images) {
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (x == 0 || row[x] != row[x - 1])
                    colours.insert(row[x] | 0xFF000000u);
            }
            if (colours.size() > kMaxColours)
                return std::nullopt;
        }
    }
    return colours;
}

// Every pixel keeps its colour: the palette is the colours themselves.
IndexedFrames exactly(const std::vector<QImage>& images, const std::set<QRgb>& colours)
{
    IndexedFrames result;
    std::unordered_map<QRgb, unsigned char> index;
    for (const QRgb colour : colours) {
        index.emplace(colour, static_cast<unsigned char>(result.palette.size()));
        result.palette.push_back(colour);
    }
    for (const QImage& image : images) {
        std::vector<unsigned char>& pixels = result.pixels.emplace_back();
        pixels.reserve(std::size_t(image.width()) * std::size_t(image.height()));
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            // One look-up for each run of a colour.
            QRgb colour = 0;
            unsigned char colourIndex = 0;
            for (int x = 0; x < image.width(); ++x) {
                if (x == 0 || (row[x] | 0xFF000000u) != colour) {
                    colour = row[x] | 0xFF000000u;
                    colourIndex = index.at(colour);
                }
                pixels.push_back(colourIndex);
            }
        }
    }
    return result;
}

// More colours than a GIF holds: giflib's median-cut quantizer picks one
// palette for the pixels of all frames together.
IndexedFrames reduced(const std::vector<QImage>& images)
{
    std::vector<GifByteType> red, green, blue;
    for (const QImage& image : images) {
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                red.push_back(GifByteType(qRed(row[x])));
                green.push_back(GifByteType(qGreen(row[x])));
                blue.push_back(GifByteType(qBlue(row[x])));
            }
        }
    }
    std::vector<GifByteType> indices(red.size());
    std::vector<GifColorType> map(kMaxColours);
    int size = int(kMaxColours);
    IndexedFrames result;
    if (GifQuantizeBuffer(unsigned(red.size()), 1, &size, red.data(), green.data(), blue.data(), indices.data(),
                          map.data()) != GIF_OK)
        return result;
    for (int i = 0; i < size; ++i)
        result.palette.push_back(qRgb(map[i].Red, map[i].Green, map[i].Blue));
    auto next = indices.begin();
    for (const QImage& image : images) {
        const auto count = std::ptrdiff_t(image.width()) * image.height();
        result.pixels.emplace_back(next, next + count);
        next += count;
    }
    return result;
}

} // namespace

IndexedFrames indexFrames(const std::vector<QImage>& frames)
{
    const std::vector<QImage> images = inRgb32(frames);
    if (const std::optional<std::set<QRgb>> colours = fewColoursOf(images))
        return exactly(images, *colours);
    return reduced(images);
}

} // namespace lineart
