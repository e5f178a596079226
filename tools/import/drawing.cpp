// The drawing's strokes by contrast with their closed-away background, and
// its regions' outlines, joined into one line picture.
#include "drawing.h"

#include "paper.h"
#include "regions.h"

#include <algorithm>

namespace importer {
namespace {

// An odd box just wider than the widest stroke.
int closingSide(const Sizes& sizes) { return sizes.strokeWidth / 2 * 2 + 1; }

// How much darker each pixel is than the closing, turned so that ink is dark.
QImage strokeContrast(const QImage& darkest, const QImage& background)
{
    QImage contrast(darkest.size(), QImage::Format_Grayscale8);
    if (contrast.isNull() || background.isNull())
        return {};
    for (int y = 0; y < darkest.height(); ++y) {
        const uchar* d = darkest.constScanLine(y);
        const uchar* b = background.constScanLine(y);
        uchar* dst = contrast.scanLine(y);
        for (int x = 0, xEnd = darkest.width(); x < xEnd; ++x)
            dst[x] = static_cast<uchar>(255 - std::max(0, b[x] - d[x]));
    }
    return contrast;
}

QImage strokesOf(const QImage& darkest, int side)
{
    const QImage contrast = strokeContrast(darkest, closing(darkest, side));
    if (contrast.isNull())
        return {};
    return binarise(contrast, 256 - kStrokeContrast, 256 - kFaintContrast);
}

// Ink where either picture has ink.
void addInk(QImage& lines, const QImage& more)
{
    for (int y = 0; y < lines.height(); ++y) {
        uchar* dst = lines.scanLine(y);
        const uchar* src = more.constScanLine(y);
        for (int x = 0, xEnd = lines.width(); x < xEnd; ++x)
            dst[x] = std::min(dst[x], src[x]);
    }
}

Drawing drawingAgainst(const AgainstPaper& planes, const Sizes& sizes)
{
    Drawing drawing;
    const int side = closingSide(sizes);
    QImage strokes = strokesOf(planes.darkest, side);
    const Planes open{planes.red, planes.green, planes.blue};
    const Planes closed{closing(planes.red, side), closing(planes.green, side), closing(planes.blue, side)};
    if (strokes.isNull() || closed[0].isNull() || closed[1].isNull() || closed[2].isNull())
        return drawing;
    const RegionLines regions = regionLines(closed, open, strokes, sizes);
    if (regions.lines.isNull())
        return drawing;
    addInk(strokes, regions.lines);
    drawing.lines = strokes;
    drawing.toneShare = regions.toneShare;
    return drawing;
}

} // namespace

Drawing drawingOf(const WorkingPicture& picture, const Sizes& sizes)
{
    const AgainstPaper planes = againstPaper(picture);
    if (planes.isNull())
        return {};
    return drawingAgainst(planes, sizes);
}

QImage linesFromGrey(const QImage& grey, const Sizes& sizes)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    const QImage rgb = grey.convertToFormat(QImage::Format_RGB32);
    return drawingOf({rgb, grey}, sizes).lines;
}

} // namespace importer
