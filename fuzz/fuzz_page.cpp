// Pages and coloured copies: any bytes under a page's name go through the
// program's picture loader (which decodes only the book's formats), onto a canvas of another size, under both fills,
// out as a coloured copy and back, which must return pixel for pixel.
#include "fuzz_support.h"

#include "platform/flood_fill.h"
#include "platform/picture_io.h"
#include "platform/stretch.h"

#include <algorithm>

namespace {

constexpr int kLargestScreenSide = 4096;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage page = platform::loadPicture(fuzz::scratchFile("1.gif", data, size));
    if (page.isNull())
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    fuzz::check(platform::isBookFormat(platform::pictureFormatOf(bytes)), "a page of a foreign format was decoded");
    fuzz::check(page.format() == QImage::Format_RGB32, "a page is not RGB32");
    if (!fuzz::smallEnough(page))
        return 0;
    // A canvas rarely has the page's size: one axis shrinks, the other grows,
    // within the size of a screen.
    const QSize canvasSize(page.width() / 2 + 1, std::min(page.height() * 3 / 2, kLargestScreenSide));
    QImage canvas = platform::stretchKeepingDark(page, canvasSize);
    fuzz::check(canvas.size() == canvasSize && canvas.format() == QImage::Format_RGB32,
                "the fitted page has the wrong size or format");
    const QPoint centre = canvas.rect().center();
    const QRect border = platform::floodFillBorder(canvas, centre, qRgb(0, 0, 0), qRgb(255, 0, 0));
    fuzz::check(fuzz::inside(border, canvas), "a border fill reached outside the canvas");
    const QRect surface = platform::floodFillSurface(canvas, {0, 0}, canvas.pixel(0, 0), qRgb(1, 2, 3));
    fuzz::check(fuzz::inside(surface, canvas), "a surface fill reached outside the canvas");
    const QString copy = fuzz::scratchPath("1.bmp");
    fuzz::check(platform::saveBmpAtomically(canvas, copy), "a coloured copy could not be saved");
    fuzz::check(platform::loadPicture(copy) == canvas, "a coloured copy came back changed");
    return 0;
}
