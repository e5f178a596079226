// Fitting pictures onto pages and logos.
#include "page_fit.h"

#include "platform/stretch.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace importer {
namespace {

constexpr int kEdgeLineWidth = 2;
constexpr int kLogoPadding = 3;
constexpr int kLogoInkBoost = 3; // a line covering a third of a logo pixel turns it black

// Ink of a picture larger than `size`: decided at full size, specks removed
// there, then shrunk with every block of pixels keeping its darkest one.
QImage shrunkLines(const QImage& picture, QSize size)
{
    QImage lines = linesFromGrey(toGrey(picture));
    if (lines.isNull())
        return {};
    removeInkSpecks(lines, kMinInkPixels);
    const QImage shrunk = platform::stretchKeepingDark(lines.convertToFormat(QImage::Format_RGB32), size);
    return shrunk.convertToFormat(QImage::Format_Grayscale8);
}

bool inkInRect(const QImage& lines, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const uchar* row = lines.constScanLine(y);
        if (std::find(row + rect.left(), row + rect.right() + 1, kInk) != row + rect.right() + 1)
            return true;
    }
    return false;
}

bool inkOnEdge(const QImage& lines, const QRect& r)
{
    return inkInRect(lines, QRect(r.left(), r.top(), r.width(), 1)) ||
           inkInRect(lines, QRect(r.left(), r.bottom(), r.width(), 1)) ||
           inkInRect(lines, QRect(r.left(), r.top(), 1, r.height())) ||
           inkInRect(lines, QRect(r.right(), r.top(), 1, r.height()));
}

void fillInk(QImage& lines, const QRect& rect)
{
    const QRect inside = rect & lines.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        std::fill_n(lines.scanLine(y) + inside.left(), inside.width(), kInk);
}

QImage onPage(const QImage& lines, const QRect& where)
{
    QImage page(kCleaningSize, QImage::Format_Grayscale8);
    if (page.isNull())
        return {};
    page.fill(kPaper);
    for (int y = 0; y < where.height(); ++y)
        std::copy_n(lines.constScanLine(y), where.width(), page.scanLine(where.top() + y) + where.left());
    return page;
}

int gapOnPage(int gap, QSize picture, const QRect& where)
{
    const double enlargement = std::max(1.0, double(where.width()) / picture.width());
    return std::min(kMaxGap, static_cast<int>(std::lround(gap * enlargement)));
}

bool hasInk(const QImage& lines) { return inkInRect(lines, lines.rect()); }

// The clean page at kPageSize: enlarged smoothly, then turned back into ink
// and paper at half grey, so that its outlines come out even and round
// rather than in steps of repeated pixels.
QImage enlargedPage(const QImage& lines)
{
    const QImage smooth = lines.scaled(kPageSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage ink = binarise(toGrey(smooth), 128, 128);
    return ink.isNull() ? QImage() : ink.convertToFormat(QImage::Format_RGB32);
}

QRect darkBounds(const QImage& grey)
{
    QRect bounds;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] < 128)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

void boostInk(QImage& grey)
{
    for (int y = 0; y < grey.height(); ++y) {
        uchar* row = grey.scanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            row[x] = static_cast<uchar>(std::max(0, 255 - (255 - row[x]) * kLogoInkBoost));
    }
}

// `picture` (no larger than a logo) centred on a white logo.
QImage logoOf(const QImage& picture)
{
    QImage logo(kLogoSize, QImage::Format_RGB32);
    if (logo.isNull())
        return {};
    logo.fill(Qt::white);
    QPainter painter(&logo);
    const QSize margin = kLogoSize - picture.size();
    painter.drawImage(QPoint(margin.width() / 2, margin.height() / 2), picture);
    return logo;
}

} // namespace

QRect placement(QSize picture, QSize page)
{
    Q_ASSERT(!picture.isEmpty() && !page.isEmpty());
    const double scale = std::min(double(page.width()) / picture.width(), double(page.height()) / picture.height());
    const int w = std::clamp(static_cast<int>(std::lround(picture.width() * scale)), 1, page.width());
    const int h = std::clamp(static_cast<int>(std::lround(picture.height() * scale)), 1, page.height());
    return QRect((page.width() - w) / 2, (page.height() - h) / 2, w, h);
}

QImage linesAtSize(const QImage& picture, QSize size)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    if (size.width() < picture.width() || size.height() < picture.height())
        return shrunkLines(picture, size);
    if (size == picture.size())
        return linesFromGrey(toGrey(picture));
    return linesFromGrey(toGrey(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

bool closeOpenEdges(QImage& lines, const QRect& placed)
{
    if (placed == lines.rect() || !inkOnEdge(lines, placed))
        return false;
    const int w = kEdgeLineWidth;
    if (placed.left() > 0) {
        fillInk(lines, QRect(placed.left(), placed.top(), w, placed.height()));
        fillInk(lines, QRect(placed.right() + 1 - w, placed.top(), w, placed.height()));
    }
    if (placed.top() > 0) {
        fillInk(lines, QRect(placed.left(), placed.top(), placed.width(), w));
        fillInk(lines, QRect(placed.left(), placed.bottom() + 1 - w, placed.width(), w));
    }
    return true;
}

Page makePage(const PictureFile& picture, int gap)
{
    Q_ASSERT(picture.ok());
    Page page;
    const QRect where = placement(picture.size, kCleaningSize);
    const QImage source = picture.svg.isEmpty() ? picture.raster : renderPicture(picture, where.size());
    const QImage lines = linesAtSize(source, where.size());
    if (lines.isNull()) {
        page.error = "found no light paper: the picture is too dark for a colouring page";
        return page;
    }
    QImage ink = onPage(lines, where);
    // Specks go first, so that a speck on the picture's edge does not draw a frame.
    removeInkSpecks(ink, kMinInkPixels);
    page.edgesClosed = closeOpenEdges(ink, where);
    page.cleaning = cleanLines(ink, gapOnPage(gap, picture.size, where));
    if (!hasInk(ink)) {
        page.error = "found no lines to colour in the picture";
        return page;
    }
    page.image = enlargedPage(ink);
    return page;
}

QImage logoFromPage(const QImage& page)
{
    const QImage grey = toGrey(page);
    const QRect drawing = darkBounds(grey);
    if (drawing.isEmpty())
        return logoOf(QImage());
    const QSize inner = kLogoSize - QSize(2 * kLogoPadding, 2 * kLogoPadding);
    const QRect fit = placement(drawing.size(), inner);
    const QImage drawn = page.copy(drawing).convertToFormat(QImage::Format_RGB32);
    QImage small = toGrey(drawn.scaled(fit.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    boostInk(small);
    return logoOf(small.convertToFormat(QImage::Format_RGB32));
}

QImage logoFromPicture(const PictureFile& picture)
{
    Q_ASSERT(picture.ok());
    return logoOf(renderPicture(picture, placement(picture.size, kLogoSize).size()));
}

} // namespace importer
