// Reading back the pointer image the X server shows, through XFixes.
#include "tests/palette/xfixes_cursor.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <memory>

namespace xfixes {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct XFreer {
    void operator()(void* data) const { XFree(data); }
};

} // namespace

ServerCursor currentCursor()
{
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display)
        return {};
    int eventBase = 0;
    int errorBase = 0;
    if (!XFixesQueryExtension(display.get(), &eventBase, &errorBase))
        return {};
    const std::unique_ptr<XFixesCursorImage, XFreer> cursor(XFixesGetCursorImage(display.get()));
    if (!cursor)
        return {};
    QImage image(cursor->width, cursor->height, QImage::Format_ARGB32_Premultiplied);
    // One unsigned long a pixel, whatever its width: only the low 32 bits hold ARGB.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = static_cast<QRgb>(cursor->pixels[y * image.width() + x] & 0xFFFFFFFFu);
    }
    return {image.convertToFormat(QImage::Format_ARGB32), QPoint(cursor->xhot, cursor->yhot)};
}

} // namespace xfixes
