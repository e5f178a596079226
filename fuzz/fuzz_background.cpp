// The window background: any bytes as "fondo.jpg", tiled over a window the
// way the main window paints it.
#include "fuzz_support.h"

#include "platform/picture_io.h"

#include <QPainter>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage tile = platform::loadPicture(fuzz::scratchFile("fondo.jpg", data, size));
    if (tile.isNull())
        return 0;
    fuzz::check(tile.format() == QImage::Format_RGB32 && !tile.size().isEmpty(), "a background tile is unusable");
    QImage window(160, 120, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter painter(&window);
    for (int y = 0; y < window.height(); y += tile.height())
        for (int x = 0; x < window.width(); x += tile.width())
            painter.drawImage(x, y, tile);
    return 0;
}
