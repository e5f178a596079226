// Making drawn lines safe to colour: conversion, thickening and small areas.
#include "lineart/cleaning.h"

#include "lineart/morphology.h"

#include "platform/stretch.h"

#include <algorithm>

namespace lineart {
namespace {

bool inInkBlock(const QImage& lines, int x, int y)
{
    for (int by = std::max(y - 1, 0); by <= y && by + 1 < lines.height(); ++by) {
        const uchar* top = lines.constScanLine(by);
        const uchar* bottom = lines.constScanLine(by + 1);
        for (int bx = std::max(x - 1, 0); bx <= x && bx + 1 < lines.width(); ++bx) {
            if (top[bx] == kInk && top[bx + 1] == kInk && bottom[bx] == kInk && bottom[bx + 1] == kInk)
                return true;
        }
    }
    return false;
}

// The page pixels under each canvas pixel of the areas chosen, filled with ink.
void fillUnder(QImage& lines, const QImage& small, const Components& areas, const std::vector<char>& chosen)
{
    for (int y = 0; y < small.height(); ++y) {
        const platform::SourceSpan rows = platform::keepingDarkSpan(y, lines.height(), small.height());
        for (int x = 0; x < small.width(); ++x) {
            const int label = areas.at(x, y);
            if (label < 0 || !chosen[static_cast<std::size_t>(label)])
                continue;
            const platform::SourceSpan columns = platform::keepingDarkSpan(x, lines.width(), small.width());
            for (int sy = rows.first; sy <= rows.last; ++sy)
                std::fill(lines.scanLine(sy) + columns.first, lines.scanLine(sy) + columns.last + 1, kInk);
        }
    }
}

} // namespace

QImage linesOf(const QImage& drawn)
{
    return greyOf(drawn, [](QRgb c) { return (c & 0xFFFFFFu) == 0xFFFFFFu ? kPaper : kInk; });
}

QImage coloured(const QImage& lines, QRgb paper)
{
    Q_ASSERT(lines.format() == QImage::Format_Grayscale8);
    QImage image(lines.size(), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < lines.height(); ++y) {
        const uchar* src = lines.constScanLine(y);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0, xEnd = lines.width(); x < xEnd; ++x)
            dst[x] = src[x] == kInk ? 0xFF000000u : (0xFF000000u | paper);
    }
    return image;
}

// Pixels are grown in reading order, so a pixel that an earlier one grew into
// a block is left as it is.
int thickenThinOutlines(QImage& lines)
{
    Q_ASSERT(lines.format() == QImage::Format_Grayscale8);
    int changed = 0;
    for (int y = 0; y < lines.height(); ++y) {
        for (int x = 0; x < lines.width(); ++x) {
            if (lines.constScanLine(y)[x] != kInk || inInkBlock(lines, x, y))
                continue;
            const int bx = x + 1 < lines.width() ? x : x - 1;
            const int by = y + 1 < lines.height() ? y : y - 1;
            for (int j = by; j <= by + 1; ++j)
                lines.scanLine(j)[bx] = lines.scanLine(j)[bx + 1] = kInk;
            ++changed;
        }
    }
    return changed;
}

void thickenRightDown(QImage& lines)
{
    lines = dilateInk(lines, -1, 0, Outside::Paper);
}

// An area is too thin when no pixel of it is left once the ink has grown by
// half the minimum width (the core).
std::vector<char> tooSmallAreas(const QImage& lines, const Components& areas, int minPixels, int minWidth)
{
    Q_ASSERT(minWidth >= 1);
    const int lo = -(minWidth - 1) / 2;
    const int hi = minWidth - 1 + lo;
    const QImage core = dilateInk(lines, lo, hi, Outside::Ink);
    std::vector<char> hasCore(static_cast<std::size_t>(areas.count()), 0);
    for (int y = 0; y < core.height(); ++y) {
        const uchar* row = core.constScanLine(y);
        for (int x = 0, xEnd = core.width(); x < xEnd; ++x) {
            if (row[x] == kPaper)
                hasCore[static_cast<std::size_t>(areas.at(x, y))] = 1;
        }
    }
    std::vector<char> small(hasCore.size());
    for (std::size_t i = 0; i < small.size(); ++i)
        small[i] = !hasCore[i] || areas.sizes[i] < minPixels;
    return small;
}

AreaFilling fillSmallAreas(QImage& lines, int minPixels, int minWidth)
{
    const Components areas = labelComponents(lines, kPaper, Connectivity::Four);
    const std::vector<char> small = tooSmallAreas(lines, areas, minPixels, minWidth);
    paintParts(lines, areas, small, kInk);
    const int filled = countChosen(small);
    return {filled, areas.count() - filled};
}

int fillShrunkSpecks(QImage& lines, QSize canvas, int minArea)
{
    const QImage small = linesOf(platform::stretchKeepingDark(lines, canvas));
    const Components areas = labelComponents(small, kPaper, Connectivity::Four);
    std::vector<char> specks(static_cast<std::size_t>(areas.count()));
    for (std::size_t i = 0; i < specks.size(); ++i)
        specks[i] = areas.sizes[i] < minArea;
    fillUnder(lines, small, areas, specks);
    return countChosen(specks);
}

// Each rule can undo another's work (a filled area thins an outline, a thicker
// outline splits an area), so they run again until the page is stable.
void cleanForShrinking(QImage& lines)
{
    constexpr int kMaxRounds = 8;
    for (int round = 0; round < kMaxRounds; ++round) {
        int changed = thickenThinOutlines(lines) + fillSmallAreas(lines, kSmallestPageArea).filled;
        for (QSize canvas : kShrinkCanvases)
            changed += fillShrunkSpecks(lines, canvas, kSmallestCanvasArea);
        if (changed == 0)
            break;
    }
}

} // namespace lineart
