// Screen checks of a child's session.
#include "tests/e2e/session_steps.h"

#include "canvas/page_placement.h"
#include "platform/flood_fill.h"
#include "platform/picture_io.h"
#include "tests/support/test_folder.h"

namespace e2e {

QImage fittedPage(const QString& file, QSize canvas, int ratio)
{
    const QImage page = platform::loadPicture(file);
    QImage image(canvas, QImage::Format_RGB32);
    canvas::fitPicture(image, page, page.size(), canvas::edgeLineWidth(ratio));
    return image;
}

QPoint pointInsideAnArea(const QImage& canvas)
{
    for (int y = 40; y < canvas.height() - 40; y += 23) {
        for (int x = 40; x < canvas.width() - 40; x += 23) {
            if (canvas.pixel(x, y) != kWhite)
                continue;
            QImage probe = canvas;
            const QRect area = platform::floodFillSurface(probe, {x, y}, kWhite, kRed);
            const bool fairSize = area.width() > 30 && area.height() > 30;
            if (fairSize && canvas.rect().adjusted(1, 1, -1, -1).contains(area))
                return {x, y};
        }
    }
    return {-1, -1};
}

bool showsSplash(const QImage& screen, const QRect& splash)
{
    const int y = splash.bottom() - 1;
    return screen.pixel(splash.left(), y) == kWhite && screen.pixel(splash.right(), y) == kWhite
        && screen.pixel(splash.left() - 1, y) != kWhite && screen.pixel(splash.right() + 1, y) != kWhite
        && testsupport::countColour(screen.copy(splash), kBlack) > 1000;
}

QImage colouredAt(const QImage& page, QPoint inside, bool toBorder)
{
    QImage coloured = page;
    if (toBorder)
        platform::floodFillBorder(coloured, inside, kBlack, kRed);
    else
        platform::floodFillSurface(coloured, inside, page.pixel(inside), kRed);
    return coloured;
}

} // namespace e2e
