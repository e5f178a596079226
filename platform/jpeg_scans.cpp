// Counting the scans of a JPEG file by walking its markers.
#include "platform/jpeg_scans.h"

#include <cstring>

namespace platform {
namespace {

constexpr unsigned char kMarker = 0xFF;
constexpr int kStartOfScan = 0xDA;
constexpr int kEndOfImage = 0xD9;

bool isRestart(int marker) { return marker >= 0xD0 && marker <= 0xD7; }

// Markers that stand alone, without a length: restarts and TEM.
bool standsAlone(int marker) { return isRestart(marker) || marker == 0x01; }

class Walker {
public:
    explicit Walker(const QByteArray& bytes)
        : data_(reinterpret_cast<const unsigned char*>(bytes.constData())), size_(bytes.size())
    {
    }

    JpegLayout walk()
    {
        JpegLayout layout;
        if (size_ < 2 || data_[0] != kMarker || data_[1] != 0xD8)
            return layout;
        at_ = 2;
        for (int marker = nextMarker(); marker >= 0; marker = nextMarker()) {
            if (marker == kEndOfImage) {
                layout.complete = layout.scans > 0;
                return layout;
            }
            if (standsAlone(marker))
                continue;
            if (!skipSegment())
                return layout;
            if (marker == kStartOfScan) {
                ++layout.scans;
                skipEntropyData();
            }
        }
        return layout;
    }

private:
    // The next marker code, stepping over stray bytes and fill bytes as a
    // decoder does; -1 at the end of the data.
    int nextMarker()
    {
        for (;;) {
            const void* found = at_ < size_ ? std::memchr(data_ + at_, kMarker, size_t(size_ - at_)) : nullptr;
            if (found == nullptr)
                return -1;
            at_ = static_cast<const unsigned char*>(found) - data_ + 1;
            while (at_ < size_ && data_[at_] == kMarker)
                ++at_;
            if (at_ >= size_)
                return -1;
            const int code = data_[at_++];
            if (code != 0)
                return code;
        }
    }

    // Steps over a segment's length field and body; false when the file ends first.
    bool skipSegment()
    {
        if (at_ + 2 > size_)
            return false;
        const qsizetype length = (qsizetype(data_[at_]) << 8) | data_[at_ + 1];
        if (length < 2 || at_ + length > size_)
            return false;
        at_ += length;
        return true;
    }

    // Up to the marker that ends the scan: a marker byte followed by neither
    // a stuffed zero nor a restart code.
    void skipEntropyData()
    {
        while (at_ + 1 < size_) {
            const void* found = std::memchr(data_ + at_, kMarker, size_t(size_ - at_ - 1));
            if (found == nullptr)
                break;
            at_ = static_cast<const unsigned char*>(found) - data_;
            const int next = data_[at_ + 1];
            if (next != 0 && next != kMarker && !isRestart(next))
                return;
            at_ += next == kMarker ? 1 : 2;
        }
        at_ = size_;
    }

    const unsigned char* data_;
    qsizetype size_;
    qsizetype at_ = 0;
};

} // namespace

JpegLayout jpegLayout(const QByteArray& bytes) { return Walker(bytes).walk(); }

} // namespace platform
