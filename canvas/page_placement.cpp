// Where a page stands on the canvas and in a coloured copy.
#include "canvas/page_placement.h"

#include "platform/stretch.h"

#include <algorithm>
#include <cmath>

namespace canvas {
namespace {

constexpr QRgb kRgbBits = 0x00FFFFFFu;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;
// Wider runs of one colour than this are paper coloured over, not a line.
constexpr int kWidestColouredLine = 3;

// One row or column of the copy, read outward from the page's edge.
struct Strip {
    const QImage& image;
    bool horizontal; // a row
    int at;          // its row or column
    int from;        // first pixel along it
    int length;
    QRgb pixel(int i) const
    {
        return horizontal ? image.pixel(from + i, at) : image.pixel(at, from + i);
    }
};

// The colour of more than half of the strip's pixels, if any: a line stays
// one when a child has drawn or painted over part of it.
bool mostlyOneColour(const Strip& strip, QRgb& colour)
{
    // Boyer-Moore vote for the candidate, then a count to confirm it.
    QRgb candidate = 0;
    int votes = 0;
    for (int i = 0; i < strip.length; ++i) {
        const QRgb p = strip.pixel(i) & kRgbBits;
        if (votes == 0)
            candidate = p;
        votes += p == candidate ? 1 : -1;
    }
    int count = 0;
    for (int i = 0; i < strip.length; ++i)
        count += (strip.pixel(i) & kRgbBits) == candidate ? 1 : 0;
    colour = candidate;
    return count * 2 > strip.length;
}

// Whether the margin beyond one side of `page` begins with the edge line.
// `outward` is -1 for the top or left side, +1 for the bottom or right.
bool edgeLineBeside(const QImage& copy, const QRect& page, bool horizontal, int outward)
{
    const int first = horizontal ? (outward < 0 ? page.top() - 1 : page.bottom() + 1)
                                 : (outward < 0 ? page.left() - 1 : page.right() + 1);
    const int edge = outward < 0 ? -1 : (horizontal ? copy.height() : copy.width());
    const int margin = (edge - first) * outward;
    if (margin <= 0)
        return true; // no paper on this side: nothing to tell apart
    const int from = horizontal ? page.left() : page.top();
    const int length = horizontal ? page.width() : page.height();
    QRgb line = 0;
    if (!mostlyOneColour(Strip{copy, horizontal, first, from, length}, line))
        return false;
    const bool black = line == (kBlack & kRgbBits);
    int run = 1;
    QRgb next = 0;
    // A black run may cover the whole margin (paper painted black); another
    // colour only a line's width, so the count stops just past that.
    while (run < margin && (black || run <= kWidestColouredLine)
           && mostlyOneColour(Strip{copy, horizontal, first + run * outward, from, length}, next) && next == line)
        ++run;
    return run <= kWidestColouredLine || (black && run == margin);
}

void fillRow(QImage& canvas, int y, int x0, int x1, QRgb colour)
{
    if (x1 < x0)
        return;
    auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(y));
    std::fill(row + x0, row + x1 + 1, colour);
}

void fillRect(QImage& canvas, const QRect& r, QRgb colour)
{
    const QRect clipped = r.intersected(canvas.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        fillRow(canvas, y, clipped.left(), clipped.right(), colour);
}

// Paper everywhere but on the page.
void paperAround(QImage& canvas, const QRect& page)
{
    fillRect(canvas, QRect(0, 0, canvas.width(), page.top()), kWhite);
    fillRect(canvas, QRect(QPoint(0, page.bottom() + 1), QPoint(canvas.width() - 1, canvas.height() - 1)), kWhite);
    fillRect(canvas, QRect(QPoint(0, page.top()), QPoint(page.left() - 1, page.bottom())), kWhite);
    fillRect(canvas, QRect(QPoint(page.right() + 1, page.top()), QPoint(canvas.width() - 1, page.bottom())),
             kWhite);
}

// The line along each side of the page that faces paper, in the paper.
void edgeLines(QImage& canvas, const QRect& page, int width)
{
    fillRect(canvas, QRect(page.left(), page.top() - width, page.width(), width), kBlack);
    fillRect(canvas, QRect(page.left(), page.bottom() + 1, page.width(), width), kBlack);
    fillRect(canvas, QRect(page.left() - width, page.top(), width, page.height()), kBlack);
    fillRect(canvas, QRect(page.right() + 1, page.top(), width, page.height()), kBlack);
}

// The part `from` of a 32-bit or one-byte `picture`, sharing its pixels.
QImage partOf(const QImage& picture, const QRect& from)
{
    if (from == picture.rect())
        return picture;
    const uchar* first = picture.constScanLine(from.top()) + from.left() * (picture.depth() / 8);
    QImage part(first, from.width(), from.height(), picture.bytesPerLine(), picture.format());
    part.setColorTable(picture.colorTable());
    return part;
}

// `picture` as the shrink takes it: 32-bit, grey or indexed, as it is.
QImage shrinkable(const QImage& picture)
{
    const bool asItIs = picture.depth() == 32 || picture.format() == QImage::Format_Grayscale8 ||
                        picture.format() == QImage::Format_Indexed8;
    return asItIs ? picture : picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QRect fittedPageRect(QSize page, QSize canvas)
{
    if (page.isEmpty() || canvas.isEmpty())
        return {};
    const qint64 across = qint64(canvas.width()) * page.height();
    const qint64 down = qint64(canvas.height()) * page.width();
    QSize size = canvas;
    // Rounded to the nearest pixel, so that a page of the canvas's own
    // proportions covers it exactly.
    if (across <= down)
        size.setHeight(std::max(1, int((2 * across + page.width()) / (2 * qint64(page.width())))));
    else
        size.setWidth(std::max(1, int((2 * down + page.height()) / (2 * qint64(page.height())))));
    const QPoint topLeft((canvas.width() - size.width()) / 2, (canvas.height() - size.height()) / 2);
    return {topLeft, size};
}

int edgeLineWidth(qreal pixelRatio) { return std::max(1, int(std::lround(pixelRatio))); }

QRect pageInCopy(const QImage& copy, QSize drawing)
{
    const QRect page = fittedPageRect(drawing, copy.size());
    if (page.isEmpty() || page == copy.rect())
        return copy.rect();
    const bool lined = edgeLineBeside(copy, page, true, -1) && edgeLineBeside(copy, page, true, 1)
        && edgeLineBeside(copy, page, false, -1) && edgeLineBeside(copy, page, false, 1);
    return lined ? page : copy.rect();
}

void layPage(QImage& canvas, const QImage& picture, const QRect& from, const QRect& page, int lineWidth)
{
    Q_ASSERT(canvas.format() == QImage::Format_RGB32 && canvas.rect().contains(page));
    Q_ASSERT(picture.rect().contains(from));
    paperAround(canvas, page);
    platform::stretchKeepingDarkInto(partOf(shrinkable(picture), from), canvas, page);
    edgeLines(canvas, page, lineWidth);
}

void fitPicture(QImage& canvas, const QImage& picture, QSize drawing, int lineWidth)
{
    const QRect page = fittedPageRect(drawing, canvas.size());
    if (page.isEmpty() || picture.isNull())
        return;
    const QRect from = pageInCopy(picture, drawing);
    if (picture.size() == canvas.size() && from == page) {
        const QImage rgb = picture.format() == QImage::Format_RGB32 ? picture
                                                                     : picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < canvas.height(); ++y)
            std::copy_n(rgb.constScanLine(y), canvas.width() * 4, canvas.scanLine(y));
        return;
    }
    layPage(canvas, picture, from, page, lineWidth);
}

} // namespace canvas
