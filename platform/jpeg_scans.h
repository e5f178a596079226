// The structure of a JPEG file as its markers give it, read before any
// decoding: how many scans the decoder would run, and whether the file ends.
#pragma once

#include <QByteArray>

namespace platform {

struct JpegLayout {
    int scans = 0;         // start-of-scan segments
    bool complete = false; // the end-of-image marker follows the last scan
};

// Walks the marker segments of `bytes` from the start-of-image marker, over
// each scan's entropy-coded data, as a decoder would. Bytes that are not a
// JPEG give no scans and an incomplete file.
JpegLayout jpegLayout(const QByteArray& bytes);

} // namespace platform
