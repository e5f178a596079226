// The test page of the canvas tests and the places on it.
#pragma once

#include "tests/support/colouring_form.h"

namespace canvastest {

using testsupport::changedPixels;

inline constexpr QRgb kBlack = 0xFF000000;
inline constexpr QRgb kWhite = 0xFFFFFFFF;

// A 160 x 100 page: box A (10, 10, 40, 30), box B (60, 10, 40, 30), box C
// (110, 10, 40, 30) with a 2-pixel gap in its top line, and a stand-alone
// black bar at (10, 60, 60, 3) that touches no box.
inline QImage testPage()
{
    QImage page = testsupport::outlinedPage({160, 100}, {{10, 10, 40, 30}, {60, 10, 40, 30}, {110, 10, 40, 30}});
    for (int x = 125; x < 127; ++x)
        page.setPixel(x, 10, kWhite);
    for (int y = 60; y < 63; ++y)
        for (int x = 10; x < 70; ++x)
            page.setPixel(x, y, kBlack);
    return page;
}

// Inner pixels of a box of testPage(): 38 x 28.
inline constexpr int kBoxInner = 38 * 28;
inline const QPoint kInA(25, 25);
inline const QPoint kInB(75, 25);
inline const QPoint kInC(125, 25);
inline const QPoint kOutside(5, 90);
inline const QPoint kOnLineA(10, 20);

struct Canvas : testsupport::ColouringForm {
    explicit Canvas(const QString& logoName, const QImage& page = testPage())
        : ColouringForm(logoName, page)
    {
    }
};

} // namespace canvastest
