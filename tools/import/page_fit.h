// Making a colouring page, and a set logo, from a picture file.
//
// Every page is kPageSize, the size of the pages the book ships with. It is
// made at kCleaningSize, the size the cleaning's limits in pixels are set
// for, and enlarged at the end. A photo
// of a sheet on a table is first cut down to the sheet and turned upright
// (sheet.h). The picture is fitted into the page keeping its aspect and
// centred on white, and its lines are found at that size (drawing.h), then
// cleaned (clean_page.h) with the sizes a child needs on the smallest canvas.
// When areas of the picture meet its edge between lines that run off it, and
// the fit leaves white margins there, a 2-pixel line is drawn just inside the
// edge along those stretches only, so that the margin does not join those
// areas; the picture's background (the area meeting most of that edge) stays
// open to the margin. Gaps are closed up to `gap` pixels of the page, or of
// the picture when it is enlarged (a 4-pixel gap of a picture shown twice as
// large is 8 pixels wide on the page), at most kMaxGap; pixels of the page
// are pixels at kCleaningSize.
#pragma once

#include "book/book_rules.h"
#include "clean_page.h"
#include "picture_input.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace importer {

inline constexpr QSize kPageSize = book::kPageSize;
// A page is cleaned one pixel to a unit of the space pages are drawn in.
inline constexpr QSize kCleaningSize = book::kPageUnits;
inline constexpr QSize kLogoSize = book::kLogoSize;

// Where a picture of `picture` size lands in `page`: as large as fits with
// its aspect kept, centred (never empty).
QRect placement(QSize picture, QSize page);

// A picture whose share in continuous tones (drawing.h) reaches this is a
// photograph or a painting, not a drawing to colour.
inline constexpr double kPhotoToneShare = 0.25;

// The sizes of the cleaning on a page of kCleaningSize.
Sizes pageSizes();

// The line picture of `picture` (any format and size) at exactly `size`,
// with pageSizes(); null when no paper can be found in it.
QImage linesAtSize(const QImage& picture, QSize size);

// Where areas of the picture placed at `placed` in `lines` meet an edge that
// faces a margin, except the one area meeting most of those edges when it
// meets more than half of them (the background), draws a 2-pixel ink line just
// inside the edge along each such stretch. Returns whether it drew.
bool closeOpenEdges(QImage& lines, const QRect& placed);

struct Page {
    QImage image; // kPageSize, Format_RGB32, pure black and pure white only
    Cleaning cleaning;
    bool edgesClosed = false; // lines were drawn along the picture's edges
    bool sheetCut = false;    // the picture was a photo of a sheet, cut out
    double tilt = 0;          // degrees the sheet was turned back
    double toneShare = 0;     // the picture's share in continuous tones
    double blackShare = 0;    // the page's share in ink
    QString error; // why no page could be made; empty on success
};

// Whether a picture that looks like a photograph or a painting becomes a page.
enum class Photos { Refuse, Accept };

// The clean page made from a picture that was read successfully.
Page makePage(const PictureFile& picture, int gap = kDefaultGap, Photos photos = Photos::Refuse);

// A kLogoSize logo showing the drawing of `page` (dark on light), cropped to
// its lines, with the lines darkened so they read at that size.
QImage logoFromPage(const QImage& page);

// A kLogoSize logo: `picture` fitted in keeping its aspect, centred on white.
QImage logoFromPicture(const PictureFile& picture);

} // namespace importer
