// The drawing sets of the colouring book: names, logos and pages.
#pragma once

#include "book/book_rules.h"
#include "lineart/drawing_kit.h"

#include <QString>

#include <functional>
#include <vector>

namespace resources {

// The pages are drawn with the line-art kit throughout.
using namespace lineart;

// Pages are drawn in units (book::kPageUnits), whatever their size in pixels.
inline constexpr int kPageWidth = book::kPageUnits.width();
inline constexpr int kPageHeight = book::kPageUnits.height();

// A page of book::kPageSize drawn by `draw` in page units, with outlines
// `lineWidth` units thick (drawLineArt).
inline QImage drawPage(int lineWidth, const PageDrawing& draw)
{
    const QSize pixels = book::kPageSize;
    return drawLineArt(pixels.width(), pixels.height(), lineWidth, [&draw, pixels](QPainter& p) {
        p.scale(double(pixels.width()) / kPageWidth, double(pixels.height()) / kPageHeight);
        draw(p);
    });
}

inline constexpr int kLogoWidth = book::kLogoSize.width();
inline constexpr int kLogoHeight = book::kLogoSize.height();

struct BookSet {
    QString name;                    // the logo's file name less ".gif"
    int lineWidth;                   // outline thickness of its pages, in pixels
    std::function<QImage()> logo;    // kLogoWidth x kLogoHeight
    std::vector<PageDrawing> pages;  // page 1 first
};

// Every set of the book, in no particular order (the program sorts them by name).
std::vector<BookSet> book();

// A logo: a rounded badge in `badge` colour on which `draw` paints in colour
// with antialiasing, in a 57 x 67 coordinate space.
QImage drawLogo(QColor badge, const std::function<void(QPainter&)>& draw);

} // namespace resources
