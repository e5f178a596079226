// The arrow template, drawn from its table of runs.
#include "palette/cursor_template.h"

#include <algorithm>

namespace palette {

namespace {

enum Ink { Black, Red };

// One run of ink on a row, x from `first` to `last` inclusive.
struct Run {
    int row;
    Ink ink;
    int first;
    int last;
};

// Every pixel not covered by a run is white.
constexpr Run kArrow[] = {
    {0, Black, 0, 9},
    {1, Black, 0, 0},   {1, Red, 1, 5},    {1, Black, 6, 14},
    {2, Black, 0, 0},   {2, Red, 1, 9},    {2, Black, 10, 19},
    {3, Black, 0, 0},   {3, Red, 1, 13},   {3, Black, 14, 23},
    {4, Black, 0, 0},   {4, Red, 1, 17},   {4, Black, 18, 26},
    {5, Black, 0, 1},   {5, Red, 2, 21},   {5, Black, 22, 28},
    {6, Black, 0, 1},   {6, Red, 2, 26},   {6, Black, 27, 28},
    {7, Black, 0, 1},   {7, Red, 2, 26},   {7, Black, 27, 28},
    {8, Black, 1, 2},   {8, Red, 3, 25},   {8, Black, 26, 27},
    {9, Black, 1, 2},   {9, Red, 3, 24},   {9, Black, 25, 26},
    {10, Black, 1, 2},  {10, Red, 3, 23},  {10, Black, 24, 25},
    {11, Black, 1, 3},  {11, Red, 4, 22},  {11, Black, 23, 24},
    {12, Black, 2, 3},  {12, Red, 4, 21},  {12, Black, 22, 23},
    {13, Black, 3, 3},  {13, Red, 4, 21},  {13, Black, 22, 23},
    {14, Black, 3, 4},  {14, Red, 5, 22},  {14, Black, 23, 24},
    {15, Black, 3, 4},  {15, Red, 5, 23},  {15, Black, 24, 25},
    {16, Black, 3, 4},  {16, Red, 5, 24},  {16, Black, 25, 26},
    {17, Black, 3, 5},  {17, Red, 6, 25},  {17, Black, 26, 27},
    {18, Black, 4, 5},  {18, Red, 6, 26},  {18, Black, 27, 28},
    {19, Black, 4, 5},  {19, Red, 6, 27},  {19, Black, 28, 29},
    {20, Black, 4, 6},  {20, Red, 7, 28},  {20, Black, 29, 30},
    {21, Black, 5, 6},  {21, Red, 7, 13},  {21, Black, 14, 14}, {21, Red, 15, 29},
    {21, Black, 30, 30},
    {22, Black, 5, 6},  {22, Red, 7, 12},  {22, Black, 13, 15}, {22, Red, 16, 28},
    {22, Black, 29, 30},
    {23, Black, 5, 7},  {23, Red, 8, 11},  {23, Black, 12, 16}, {23, Red, 17, 27},
    {23, Black, 28, 29},
    {24, Black, 5, 7},  {24, Red, 8, 10},  {24, Black, 11, 13}, {24, Black, 16, 17},
    {24, Red, 18, 26},  {24, Black, 27, 28},
    {25, Black, 6, 7},  {25, Red, 8, 9},   {25, Black, 10, 12}, {25, Black, 17, 18},
    {25, Red, 19, 25},  {25, Black, 26, 27},
    {26, Black, 6, 7},  {26, Red, 8, 8},   {26, Black, 9, 11},  {26, Black, 18, 19},
    {26, Red, 20, 24},  {26, Black, 25, 26},
    {27, Black, 6, 10}, {27, Black, 19, 20}, {27, Red, 21, 23}, {27, Black, 24, 25},
    {28, Black, 7, 9},  {28, Black, 20, 21}, {28, Red, 22, 22}, {28, Black, 23, 24},
    {29, Black, 21, 23},
};

QRgb colourOf(Ink ink)
{
    return ink == Black ? qRgb(0, 0, 0) : qRgb(255, 0, 0);
}

} // namespace

QImage makeCursorTemplate()
{
    QImage image(kCursorTemplateSide, kCursorTemplateSide, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(qRgb(255, 255, 255));
    for (const Run& run : kArrow) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(run.row));
        std::fill(line + run.first, line + run.last + 1, colourOf(run.ink));
    }
    return image;
}

} // namespace palette
