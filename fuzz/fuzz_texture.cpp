// Textures: any bytes as a texture file, shown in the texture box and tiled
// over an outlined area of a canvas, which must stay inside that area.
#include "fuzz_support.h"

#include "canvas/texture_tiling.h"
#include "platform/picture_io.h"

#include <QPainter>

namespace {

constexpr QSize kBoxPeriod(97, 73);
constexpr QRgb kMarker = qRgb(255, 224, 192);

// A white canvas with a black frame around the inner area `inner`.
QImage framedCanvas(const QRect& inner)
{
    QImage canvas(140, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setPen(Qt::black);
    painter.drawRect(inner.adjusted(-1, -1, 0, 0));
    return canvas;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage texture = platform::loadPicture(fuzz::scratchFile("textura.gif", data, size));
    if (texture.isNull() || !fuzz::smallEnough(texture))
        return 0;
    const QImage tile = canvas::textureTile(texture, kBoxPeriod, qRgb(236, 233, 216));
    fuzz::check(tile.size() == kBoxPeriod, "the texture tile has the wrong size");
    const QRect inner(20, 10, 90, 70);
    QImage canvas = framedCanvas(inner);
    const QImage before = canvas;
    const QRect changed = canvas::textureFillArea(canvas, inner.center(), tile, kMarker);
    fuzz::check(changed.isEmpty() || inner.contains(changed), "a texture fill left its area");
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (!inner.contains(x, y))
                fuzz::check(canvas.pixel(x, y) == before.pixel(x, y),
                            "a texture fill changed a pixel outside its area");
    return 0;
}
