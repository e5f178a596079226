// The drawing sets of the colouring book: names, logos and pages.
#pragma once

#include "line_art.h"

#include <QString>

#include <functional>
#include <vector>

namespace resources {

inline constexpr int kLogoWidth = 57;
inline constexpr int kLogoHeight = 67;

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
