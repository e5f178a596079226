// The configuration files: any bytes as "borra.txt", read the way start-up
// reads it. The value is the first line without any line end.
#include "fuzz_support.h"

#include "platform/files.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString line = platform::readFirstLine(fuzz::scratchFile("borra.txt", data, size));
    fuzz::check(!line.contains('\n') && !line.contains('\r'), "a first line holds a line end");
    const bool no = line.toUpper() == QStringLiteral("NO");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (no)
        fuzz::check(bytes.toUpper().contains("NO"), "a file without NO read as NO");
    return 0;
}
