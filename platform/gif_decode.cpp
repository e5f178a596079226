// The book's GIF pages decoded with each LZW code copied as a run: a code's
// string is a stretch already decoded (the string of the code before it and
// one more pixel), so the table keeps where that stretch lies and how long it
// is, and a page of long runs decodes at the speed of memory copies, a byte
// a pixel.
#include "platform/gif_decode.h"

#include <array>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr int kMaxCodes = 4096;

struct Reader {
    const QByteArray& bytes;
    qsizetype at = 0;

    bool has(qsizetype n) const { return at + n <= bytes.size(); }
    int byte(qsizetype offset) const { return static_cast<uchar>(bytes[at + offset]); }
    int word(qsizetype offset) const { return byte(offset) | byte(offset + 1) << 8; }
};

// A colour table of 2^(bits+1) entries at the reader, opaque.
bool readColours(Reader& r, int bits, QList<QRgb>& colours)
{
    const int count = 2 << bits;
    if (!r.has(3 * count))
        return false;
    colours.resize(count);
    for (int i = 0; i < count; ++i)
        colours[i] = qRgb(r.byte(3 * i), r.byte(3 * i + 1), r.byte(3 * i + 2));
    r.at += 3 * count;
    return true;
}

// The data sub-blocks at the reader, joined; false when they are cut off.
bool readBlocks(Reader& r, QByteArray* joined)
{
    while (r.has(1)) {
        const int size = r.byte(0);
        if (!r.has(1 + size))
            return false;
        if (joined != nullptr)
            joined->append(r.bytes.constData() + r.at + 1, size);
        r.at += 1 + size;
        if (size == 0)
            return true;
    }
    return false;
}

// Skips the extensions before the first picture, leaving the reader on its
// descriptor. False when one of them makes a pixel transparent, or when no
// picture follows.
bool skipToPicture(Reader& r)
{
    while (r.has(1) && r.byte(0) == 0x21) {
        if (!r.has(2))
            return false;
        const bool control = r.byte(1) == 0xF9;
        r.at += 2;
        if (control && r.has(2) && r.byte(0) >= 1 && (r.byte(1) & 0x01) != 0)
            return false;
        if (!readBlocks(r, nullptr))
            return false;
    }
    return r.has(10) && r.byte(0) == 0x2C;
}

// Each code's string: `length` pixels decoded earlier, from `start`.
struct Entry {
    qsizetype start = 0;
    int length = 0;
};

// Decodes the LZW `data` with codes from `minBits` + 1 bits into exactly
// `total` colour indices at `pixels`; false on a broken stream, another
// pixel count or an index of `colours` or more.
bool decodeLzw(const QByteArray& data, int minBits, int colours, uchar* pixels, qsizetype total)
{
    const int clear = 1 << minBits, end = clear + 1;
    std::vector<Entry> table(kMaxCodes);
    qsizetype out = 0, previousStart = 0;
    int bits = minBits + 1, next = clear + 2, previous = -1;
    quint32 buffer = 0;
    int buffered = 0;
    for (qsizetype in = 0;;) {
        while (buffered < bits && in < data.size()) {
            buffer |= quint32(uchar(data[in++])) << buffered;
            buffered += 8;
        }
        if (buffered < bits)
            return out == total;
        const int code = int(buffer & ((1u << bits) - 1));
        buffer >>= bits;
        buffered -= bits;
        if (code == clear) {
            bits = minBits + 1, next = clear + 2, previous = -1;
            continue;
        }
        if (code == end)
            return out == total;
        if (code > next || (code == next && previous < 0))
            return false;
        const bool literal = code < clear;
        const int previousLength = previous < clear ? 1 : table[std::size_t(previous)].length;
        const int length = literal ? 1 : code == next ? previousLength + 1 : table[std::size_t(code)].length;
        if (length > total - out || (literal && code >= colours))
            return false;
        if (literal)
            pixels[out] = uchar(code);
        else if (code == next) // the previous string and its own first pixel
            for (int i = 0; i < length; ++i)
                pixels[out + i] = pixels[previousStart + i];
        else // an earlier string ends before the output does: never overlapping
            std::memcpy(pixels + out, pixels + table[std::size_t(code)].start, std::size_t(length));
        if (previous >= 0 && next < kMaxCodes) {
            table[std::size_t(next)] = {previousStart, previousLength + 1};
            if (++next == 1 << bits && bits < 12)
                ++bits;
        }
        previous = code, previousStart = out;
        out += length;
    }
}

// The rows of `image` were decoded one after the other from its first byte:
// each is moved to its own line, the last first, so that none is written
// over before it has moved.
void spreadRows(QImage& image)
{
    const qsizetype width = image.width();
    const qsizetype stride = image.bytesPerLine();
    if (stride == width)
        return;
    uchar* bits = image.bits();
    for (qsizetype y = image.height() - 1; y > 0; --y)
        std::memmove(bits + y * stride, bits + y * width, std::size_t(width));
}

} // namespace

QImage decodePlainGif(const QByteArray& bytes, int maxSide, qint64 maxPixels)
{
    Reader r{bytes};
    if (!r.has(13) || !(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")))
        return {};
    const int width = r.word(6), height = r.word(8), screen = r.byte(10);
    QList<QRgb> colours;
    r.at = 13;
    const bool global = (screen & 0x80) != 0;
    if ((global && !readColours(r, screen & 0x07, colours)) || !skipToPicture(r))
        return {};
    const int picture = r.byte(9);
    if (r.word(1) != 0 || r.word(3) != 0 || r.word(5) != width || r.word(7) != height || (picture & 0x40) != 0 ||
        width <= 0 || height <= 0 || width > maxSide || height > maxSide || qint64(width) * height > maxPixels)
        return {};
    r.at += 10;
    if ((picture & 0x80) != 0 ? !readColours(r, picture & 0x07, colours) : !global)
        return {};
    if (!r.has(1) || r.byte(0) < 2 || r.byte(0) > 8)
        return {};
    const int minBits = r.byte(0);
    ++r.at;
    QByteArray data;
    if (!readBlocks(r, &data))
        return {};
    QImage image(width, height, QImage::Format_Indexed8);
    if (image.isNull() || !decodeLzw(data, minBits, int(colours.size()), image.bits(), qsizetype(width) * height))
        return {};
    spreadRows(image);
    image.setColorTable(colours);
    return image;
}

} // namespace platform
