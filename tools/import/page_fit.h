// Making a colouring page, and a set logo, from a picture file.
//
// Every page is kPageSize, the size of the pages the book ships with. It is
// made at kCleaningSize, the size the cleaning's limits in pixels are set
// for, and enlarged at the end. The picture is fitted into it keeping its
// aspect and centred on white. When the
// picture's own edge closes some of its areas (lines run off it) and the fit
// leaves white margins, a 2-pixel line is drawn along the picture's edge on
// the sides with a margin, so that the margin does not join those areas.
// Large pictures are turned into ink at their own size and then shrunk
// keeping every line (a thin line of a big scan would fade if averaged
// first); small ones are enlarged smoothly first, then turned into ink.
// Gaps are closed up to `gap` pixels of the page at kCleaningSize, or of the
// picture when it is enlarged (a 4-pixel gap of a picture shown twice as
// large is 8 pixels wide on the page), at most kMaxGap.
#pragma once

#include "clean_page.h"
#include "picture_input.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace importer {

inline constexpr QSize kPageSize(3004, 2078);
inline constexpr QSize kCleaningSize(1200, 830);
inline constexpr QSize kLogoSize(57, 67);

// Where a picture of `picture` size lands in `page`: as large as fits with
// its aspect kept, centred (never empty).
QRect placement(QSize picture, QSize page);

// The line picture of `picture` (any size) at exactly `size`; null when no
// paper can be found in it.
QImage linesAtSize(const QImage& picture, QSize size);

// When ink touches the edge of `placed` and `placed` leaves margins in
// `lines`, draws 2-pixel ink lines just inside the edges that face a margin.
// Returns whether it drew.
bool closeOpenEdges(QImage& lines, const QRect& placed);

struct Page {
    QImage image; // kPageSize, Format_RGB32, pure black and pure white only
    Cleaning cleaning;
    bool edgesClosed = false; // lines were drawn along the picture's edges
    QString error; // why no page could be made; empty on success
};

// The clean page made from a picture that was read successfully.
Page makePage(const PictureFile& picture, int gap = kDefaultGap);

// A kLogoSize logo showing the drawing of `page` (dark on light), cropped to
// its lines, with the lines darkened so they read at that size.
QImage logoFromPage(const QImage& page);

// A kLogoSize logo: `picture` fitted in keeping its aspect, centred on white.
QImage logoFromPicture(const PictureFile& picture);

} // namespace importer
