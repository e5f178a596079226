// The JPEG marker walk the loaders run before decoding: any bytes after a
// start-of-image marker. Every scan it counts is a start-of-scan marker in
// the bytes, and a file it calls complete ends with an end-of-image marker.
#include "fuzz_support.h"

#include "platform/jpeg_scans.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray("\xFF\xD8", 2) +
                             QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const platform::JpegLayout layout = platform::jpegLayout(bytes);
    fuzz::check(layout.scans <= bytes.count(QByteArrayView("\xFF\xDA", 2)), "a scan was counted twice");
    fuzz::check(!layout.complete || (layout.scans > 0 && bytes.contains(QByteArrayView("\xFF\xD9", 2))),
                "a file without an end was called complete");
    return 0;
}
