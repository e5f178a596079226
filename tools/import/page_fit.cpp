// Fitting pictures onto pages and logos.
#include "page_fit.h"

#include "lineart/components.h"
#include "drawing.h"
#include "sheet.h"

#include "platform/stretch.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

namespace importer {
namespace {

constexpr int kLogoPadding = 3;
constexpr int kLogoInkBoost = 3; // a line covering a third of a logo pixel turns it black

bool inkInRect(const QImage& lines, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const uchar* row = lines.constScanLine(y);
        if (std::find(row + rect.left(), row + rect.right() + 1, lineart::kInk) != row + rect.right() + 1)
            return true;
    }
    return false;
}

QImage onPage(const QImage& lines, const QRect& where)
{
    QImage page(kCleaningSize, QImage::Format_Grayscale8);
    if (page.isNull())
        return {};
    page.fill(lineart::kPaper);
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

double inkShare(const QImage& lines)
{
    qint64 ink = 0;
    for (int y = 0; y < lines.height(); ++y) {
        const uchar* row = lines.constScanLine(y);
        ink += std::count(row, row + lines.width(), lineart::kInk);
    }
    return double(ink) / (double(lines.width()) * lines.height());
}

// The pixels along the edges of `placed` that face a margin of `page`, each
// with the step one pixel inwards.
struct EdgePixel {
    QPoint at;
    QPoint inwards;
};

std::vector<EdgePixel> marginEdges(const QRect& placed, QSize page)
{
    std::vector<EdgePixel> edges;
    if (placed.left() > 0)
        for (int y = placed.top(); y <= placed.bottom(); ++y)
            edges.push_back({{placed.left(), y}, {1, 0}});
    if (placed.right() < page.width() - 1)
        for (int y = placed.top(); y <= placed.bottom(); ++y)
            edges.push_back({{placed.right(), y}, {-1, 0}});
    if (placed.top() > 0)
        for (int x = placed.left(); x <= placed.right(); ++x)
            edges.push_back({{x, placed.top()}, {0, 1}});
    if (placed.bottom() < page.height() - 1)
        for (int x = placed.left(); x <= placed.right(); ++x)
            edges.push_back({{x, placed.bottom()}, {0, -1}});
    return edges;
}

// The area meeting the margins along more than half of what all areas do, or -1.
int background(const std::vector<int>& contact)
{
    const auto most = std::max_element(contact.begin(), contact.end());
    const qint64 all = std::accumulate(contact.begin(), contact.end(), qint64(0));
    return most != contact.end() && 2 * qint64(*most) > all ? int(most - contact.begin()) : -1;
}

// A picture on its way to lines: its place on the page and its copy of that size.
struct Placed {
    QSize natural; // the picture's own size, which gaps are measured in
    QRect where;
    WorkingPicture working;
};

Placed placed(const QImage& source, QSize natural)
{
    const QRect where = placement(source.size(), kCleaningSize);
    return {natural, where, workingPicture(source, where.size())};
}

// The picture to make the page from: a photo of a sheet cut down to the sheet.
Placed pictureOnPage(const PictureFile& picture, Page& page)
{
    const QRect where = placement(picture.size, kCleaningSize);
    if (!picture.svg.isEmpty())
        return placed(renderPicture(picture, where.size()), picture.size);
    Placed result = placed(picture.raster, picture.size);
    const std::optional<Sheet> sheet = result.working.tone.isNull() ? std::nullopt : findSheet(result.working.tone);
    if (!sheet)
        return result;
    const QImage cut = cutOutSheet(picture.raster, *sheet, double(picture.raster.width()) / result.where.width());
    if (cut.isNull())
        return result;
    page.sheetCut = true;
    page.tilt = std::abs(sheet->tilt) >= kLeastTilt ? sheet->tilt : 0;
    return placed(cut, cut.size());
}

// The clean page at kPageSize: enlarged smoothly, then turned back into ink
// and paper at half grey, so that its outlines come out even and round
// rather than in steps of repeated pixels.
QImage enlargedPage(const QImage& lines)
{
    const QImage smooth = lines.scaled(kPageSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return binarise(toGrey(smooth), 128, 128);
}

// The first and last page pixels along an axis that canvas pixel `i` takes
// its colour from when the program shrinks the page keeping dark pixels.
std::pair<int, int> shrinkBlock(int i, int page, int canvas)
{
    const qint64 end = (qint64(i) + 1) * page;
    return {int(qint64(i) * page / canvas), int((end + canvas - 1) / canvas) - 1};
}

// The enlargement moves outlines by fractions of a pixel, and the canvas takes
// the darkest page pixel of each block: a passage left just wide enough at the
// cleaning size can close on the canvas and leave a sliver there that no
// click can hit. The page is shrunk as the program shrinks it, and the page
// pixels under each such sliver are filled. Returns how many were filled.
int fillSliversOnCanvas(QImage& lines)
{
    Q_ASSERT(kSmallestCanvas.width() < lines.width() && kSmallestCanvas.height() < lines.height());
    const QImage canvas = toGrey(platform::stretchKeepingDark(lines, kSmallestCanvas));
    const lineart::Components areas = lineart::labelComponents(canvas, lineart::kPaper, lineart::Connectivity::Four);
    const std::vector<char> small = lineart::tooSmallAreas(canvas, areas, kHitCanvasArea, kHitCanvasWidth);
    for (int y = 0; y < canvas.height(); ++y) {
        const auto [top, bottom] = shrinkBlock(y, lines.height(), canvas.height());
        for (int x = 0; x < canvas.width(); ++x) {
            const int area = areas.at(x, y);
            if (area < 0 || !small[std::size_t(area)])
                continue;
            const auto [left, right] = shrinkBlock(x, lines.width(), canvas.width());
            for (int py = top; py <= bottom; ++py)
                std::fill(lines.scanLine(py) + left, lines.scanLine(py) + right + 1, lineart::kInk);
        }
    }
    return lineart::countChosen(small);
}

// Slivers filled on the canvas can leave bits of their areas on the page, too
// small to colour there: those go as well, until neither is left.
void fillSliversOfFinalPage(QImage& lines)
{
    const Sizes sizes = sizesOnPage(lines.size());
    for (int round = 0; round < 4; ++round) {
        if (fillSliversOnCanvas(lines) == 0)
            return;
        lineart::fillSmallAreas(lines, sizes.minAreaPixels, sizes.minAreaWidth);
    }
}

QRect darkBounds(const QImage& grey)
{
    QRect bounds;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0, xEnd = grey.width(); x < xEnd; ++x) {
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
        for (int x = 0, xEnd = grey.width(); x < xEnd; ++x)
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

Sizes pageSizes() { return sizesOnPage(kCleaningSize); }

QImage linesAtSize(const QImage& picture, QSize size)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    return drawingOf(workingPicture(picture.convertToFormat(QImage::Format_RGB32), size), pageSizes()).lines;
}

bool closeOpenEdges(QImage& lines, const QRect& placed)
{
    const std::vector<EdgePixel> edges = marginEdges(placed, lines.size());
    // Without ink on those edges, the paper runs unbroken along each: no lines run off to close.
    const auto inkAt = [&](const EdgePixel& e) { return lines.constScanLine(e.at.y())[e.at.x()] == lineart::kInk; };
    if (std::none_of(edges.begin(), edges.end(), inkAt))
        return false;
    const lineart::Components areas = lineart::labelComponents(lines.copy(placed), lineart::kPaper, lineart::Connectivity::Four);
    std::vector<int> contact(std::size_t(areas.count()), 0);
    for (const EdgePixel& e : edges) {
        const int area = areas.at(e.at.x() - placed.left(), e.at.y() - placed.top());
        if (area >= 0)
            ++contact[std::size_t(area)];
    }
    if (std::count_if(contact.begin(), contact.end(), [](int c) { return c > 0; }) < 2)
        return false;
    const int open = background(contact);
    bool drew = false;
    for (const EdgePixel& e : edges) {
        const int area = areas.at(e.at.x() - placed.left(), e.at.y() - placed.top());
        if (area < 0 || area == open)
            continue;
        for (const QPoint p : {e.at, e.at + e.inwards}) {
            if (placed.contains(p))
                lines.scanLine(p.y())[p.x()] = lineart::kInk;
        }
        drew = true;
    }
    return drew;
}

Page makePage(const PictureFile& picture, int gap, Photos photos)
{
    Q_ASSERT(picture.ok());
    Page page;
    const Placed source = pictureOnPage(picture, page);
    const Drawing drawing = drawingOf(source.working, pageSizes());
    if (drawing.lines.isNull()) {
        page.error = "found no light paper: the picture is too dark for a colouring page";
        return page;
    }
    page.toneShare = drawing.toneShare;
    if (photos == Photos::Refuse && page.toneShare >= kPhotoToneShare) {
        page.error = QString("looks like a photograph or a painting (%1% of it in continuous tones), not a line "
                             "drawing to colour; add --force to import it anyway")
                         .arg(std::lround(page.toneShare * 100));
        return page;
    }
    QImage ink = onPage(drawing.lines, source.where);
    // Specks go first, so that a speck on the picture's edge does not draw a frame.
    removeInkSpecks(ink, kMinInkPixels);
    page.edgesClosed = closeOpenEdges(ink, source.where);
    page.cleaning = cleanLines(ink, gapOnPage(gap, source.natural, source.where), pageSizes());
    if (!hasInk(ink)) {
        page.error = "found no lines to colour in the picture";
        return page;
    }
    QImage final = enlargedPage(ink);
    if (final.isNull()) {
        page.error = "not enough memory for the page";
        return page;
    }
    fillSliversOfFinalPage(final);
    page.cleaning.areas = countAreas(final);
    page.blackShare = inkShare(final);
    page.image = final.convertToFormat(QImage::Format_RGB32);
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
