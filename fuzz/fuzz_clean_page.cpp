// The importer's cleaning of a line picture, fed directly: the first byte is
// the width, the second the gap to close, the third the page size the sizes
// are taken from (the page's own or a smaller one, whose sizes are smaller),
// the rest grey pixels row by row. A cleaned page holds only ink and paper
// and no area left to fill.
#include "fuzz_support.h"

#include "clean_page.h"
#include "drawing.h"
#include "page_fit.h"

#include "lineart/morphology.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxSide = 96;

QImage greyPicture(const std::uint8_t* pixels, std::size_t count, int width)
{
    const int height = std::min(kMaxSide, static_cast<int>(count / static_cast<std::size_t>(width)));
    QImage grey(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        std::memcpy(grey.scanLine(y), pixels + static_cast<std::size_t>(y) * width,
                    static_cast<std::size_t>(width));
    return grey;
}

bool onlyInkAndPaper(const QImage& lines)
{
    for (int y = 0; y < lines.height(); ++y) {
        const uchar* row = lines.constScanLine(y);
        const auto grey = [](uchar v) { return v != lineart::kInk && v != lineart::kPaper; };
        if (std::any_of(row, row + lines.width(), grey))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int width = 1 + data[0] % kMaxSide;
    const int gap = data[1] % (importer::kMaxGap + 1);
    const importer::Sizes sizes = importer::sizesOnPage(importer::kCleaningSize / (1 + data[2] % 4));
    if (size - 3 < static_cast<std::size_t>(width))
        return 0;
    QImage lines = importer::linesFromGrey(greyPicture(data + 3, size - 3, width), sizes);
    if (lines.isNull())
        return 0;
    fuzz::check(onlyInkAndPaper(lines), "finding the lines left grey");
    const importer::Cleaning cleaning = importer::cleanLines(lines, gap, sizes);
    fuzz::check(onlyInkAndPaper(lines), "cleaning left grey");
    fuzz::check(cleaning.areas == importer::countAreas(lines), "the areas counted differ");
    fuzz::check(lineart::fillSmallAreas(lines, sizes.minAreaPixels, sizes.minAreaWidth).filled == 0,
                "a cleaned page still has an area too small to fill");
    return 0;
}
