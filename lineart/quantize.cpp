// Reducing pictures to one shared palette of at most 256 colours for GIF.
#include "lineart/quantize.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>

namespace lineart {
namespace {

using Histogram = std::map<QRgb, long>; // ordered, so every run is the same

// Counts runs of one colour at a time: line art is mostly long runs.
Histogram histogramOf(const std::vector<QImage>& frames)
{
    Histogram histogram;
    for (const QImage& frame : frames) {
        const QImage image = frame.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width();) {
                int end = x + 1;
                while (end < image.width() && row[end] == row[x])
                    ++end;
                histogram[row[x] | 0xFF000000u] += end - x;
                x = end;
            }
        }
    }
    return histogram;
}

struct Entry {
    QRgb colour;
    long count;
};
using Box = std::vector<Entry>;

int channel(QRgb c, int which) { return (c >> (16 - 8 * which)) & 0xFF; }

// The channel with the widest spread in a box, and that spread.
std::pair<int, int> widestChannel(const Box& box)
{
    std::pair<int, int> best{0, -1};
    for (int ch = 0; ch < 3; ++ch) {
        auto [lo, hi] = std::minmax_element(box.begin(), box.end(), [ch](const Entry& a, const Entry& b) {
            return channel(a.colour, ch) < channel(b.colour, ch);
        });
        const int spread = channel(hi->colour, ch) - channel(lo->colour, ch);
        if (spread > best.second)
            best = {ch, spread};
    }
    return best;
}

// Splits the box at the weighted median of its widest channel.
std::pair<Box, Box> splitBox(Box box)
{
    const int ch = widestChannel(box).first;
    std::stable_sort(box.begin(), box.end(), [ch](const Entry& a, const Entry& b) {
        return channel(a.colour, ch) < channel(b.colour, ch);
    });
    long total = 0;
    for (const Entry& e : box)
        total += e.count;
    long seen = 0;
    std::size_t cut = 1;
    for (; cut < box.size() - 1 && seen + box[cut - 1].count < total / 2; ++cut)
        seen += box[cut - 1].count;
    return {Box(box.begin(), box.begin() + cut), Box(box.begin() + cut, box.end())};
}

QRgb averageOf(const Box& box)
{
    std::array<double, 3> sum{};
    double total = 0;
    for (const Entry& e : box) {
        for (int ch = 0; ch < 3; ++ch)
            sum[ch] += double(channel(e.colour, ch)) * e.count;
        total += e.count;
    }
    return qRgb(int(sum[0] / total + 0.5), int(sum[1] / total + 0.5), int(sum[2] / total + 0.5));
}

std::vector<QRgb> medianCut(const Histogram& histogram)
{
    std::vector<Box> boxes(1);
    for (const auto& [colour, count] : histogram)
        boxes[0].push_back({colour, count});
    while (boxes.size() < 256) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return (a.size() > 1 ? widestChannel(a).second : -1) < (b.size() > 1 ? widestChannel(b).second : -1);
        });
        if (widest->size() < 2)
            break;
        auto [low, high] = splitBox(std::move(*widest));
        *widest = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes)
        palette.push_back(averageOf(box));
    return palette;
}

unsigned char nearest(const std::vector<QRgb>& palette, QRgb c)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < int(palette.size()); ++i) {
        long d = 0;
        for (int ch = 0; ch < 3; ++ch) {
            const long delta = channel(palette[i], ch) - channel(c, ch);
            d += delta * delta;
        }
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return static_cast<unsigned char>(best);
}

} // namespace

IndexedFrames indexFrames(const std::vector<QImage>& frames)
{
    const Histogram histogram = histogramOf(frames);
    IndexedFrames result;
    if (histogram.size() <= 256) {
        for (const auto& entry : histogram)
            result.palette.push_back(entry.first);
    } else {
        result.palette = medianCut(histogram);
    }
    std::unordered_map<QRgb, unsigned char> lookup;
    for (const auto& entry : histogram)
        lookup[entry.first] = nearest(result.palette, entry.first);
    for (const QImage& frame : frames) {
        const QImage image = frame.convertToFormat(QImage::Format_RGB32);
        std::vector<unsigned char>& indices = result.pixels.emplace_back(std::size_t(image.width()) * image.height());
        std::size_t i = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            QRgb last = row[0];
            unsigned char index = lookup.at(last | 0xFF000000u);
            for (int x = 0; x < image.width(); ++x, ++i) {
                if (row[x] != last) {
                    last = row[x];
                    index = lookup.at(last | 0xFF000000u);
                }
                indices[i] = index;
            }
        }
    }
    return result;
}

} // namespace lineart
