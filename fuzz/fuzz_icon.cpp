// Tool icons and set logos: any bytes as "pato.gif" (kept with its
// transparency) and as a logo, then made into a pointer picture either way.
#include "fuzz_support.h"

#include "graphics/module1.h"
#include "platform/picture_io.h"
#include "platform/stretch.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

namespace {

void checkPointer(const graphics::Picture& pointer)
{
    fuzz::check(pointer.type == graphics::Picture::Type::Icon, "no pointer was made");
    fuzz::check(pointer.image.size() == QSize(32, 32), "the pointer is not 32 x 32");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::scratchFile("pato.gif", data, size);
    const QImage icon = platform::loadPicture(path, true);
    const QImage logo = platform::loadPicture(path);
    fuzz::check(icon.isNull() == logo.isNull(), "a picture read with its transparency but not without");
    if (icon.isNull() || !fuzz::smallEnough(icon))
        return 0;
    fuzz::check(icon.size() == logo.size(), "transparency changed a picture's size");
    const auto halftone = static_cast<int>(platform::StretchMode::Halftone);
    checkPointer(graphics::MakeCursorPicture({graphics::Picture::Type::Icon, icon, {}}, 0, 0, halftone, 1,
                                             platform::kInvalidColour));
    checkPointer(graphics::MakeCursorPicture(graphics::Picture::bitmap(logo), 0, 0, halftone, 0, 0x00FFFFFF));
    return 0;
}
