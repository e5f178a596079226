// SVG drawings given to the importer: any bytes made self-contained. What
// comes out must reach nothing outside itself (no <image> but an embedded
// PNG, no other reference but "#id"), and must be stable: made
// self-contained again, nothing more is left out.
#include "fuzz_support.h"

#include "svg_input.h"

#include <QXmlStreamReader>

namespace {

const QLatin1String kEmbeddedPng("data:image/png;base64,");

// True when every reference in `document` stays inside it.
bool selfContained(const QByteArray& document)
{
    QXmlStreamReader reader(document);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const bool image = reader.name() == QLatin1String("image");
        bool embedded = false;
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
            if (attribute.name() != QLatin1String("href"))
                continue;
            embedded = embedded || attribute.value().startsWith(kEmbeddedPng);
            if (!attribute.value().startsWith('#') && !(image && attribute.value().startsWith(kEmbeddedPng)))
                return false;
        }
        if (image && !embedded)
            return false;
    }
    return !reader.hasError();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const importer::SelfContainedSvg svg = importer::selfContainedSvg(bytes);
    if (svg.document.isEmpty())
        return 0;
    fuzz::check(selfContained(svg.document), "a reference outside the drawing was kept");
    const importer::SelfContainedSvg again = importer::selfContainedSvg(svg.document);
    fuzz::check(!again.document.isEmpty(), "a self-contained drawing no longer parses");
    fuzz::check(again.dropped == 0, "a self-contained drawing still held an outside reference");
    return 0;
}
