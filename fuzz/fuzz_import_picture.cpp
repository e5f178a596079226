// The page importer's input: any bytes as a drawing handed to tintaro-import
// (raster or SVG, judged by content), made into a clean page and a logo.
#include "fuzz_support.h"

#include "page_fit.h"
#include "picture_input.h"
#include "sheet.h"
#include "working_picture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::initialise(argc, argv);
    return 0;
}

namespace {

bool onlyBlackAndWhite(const QImage& page)
{
    for (int y = 0; y < page.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x)
            if (row[x] != qRgb(0, 0, 0) && row[x] != qRgb(255, 255, 255))
                return false;
    }
    return true;
}

} // namespace

// The importer's page pipeline at a tenth of the page's size: a full page
// takes seconds under the sanitizers, and the steps are the same at any size.
constexpr QSize kSmallPage(importer::kPageSize.width() / 10, importer::kPageSize.height() / 10);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const importer::PictureFile picture = importer::readPictureFile(fuzz::scratchFile("drawing", data, size));
    if (!picture.ok())
        return 0;
    fuzz::check(!picture.size.isEmpty(), "a picture was read without a size");
    fuzz::check(importer::logoFromPicture(picture).size() == importer::kLogoSize, "a logo has the wrong size");
    const QRect where = importer::placement(picture.size, kSmallPage);
    fuzz::check(QRect(QPoint(0, 0), kSmallPage).contains(where), "a picture was placed off the page");
    const QImage source = importer::renderPicture(picture, where.size());
    fuzz::check(source.size() == where.size(), "a picture was rendered at the wrong size");
    const importer::WorkingPicture working = importer::workingPicture(source, where.size() / 2 + QSize(1, 1));
    if (const std::optional<importer::Sheet> sheet = importer::findSheet(working.tone)) {
        const QImage sheetOnly = importer::cutOutSheet(source, *sheet, 2.0);
        fuzz::check(sheetOnly.width() <= source.width() && sheetOnly.height() <= source.height(),
                    "a sheet was cut out larger than its photo");
    }
    QImage lines = importer::linesAtSize(source, where.size());
    if (lines.isNull())
        return 0;
    fuzz::check(lines.size() == where.size(), "the lines have the wrong size");
    importer::cleanLines(lines, importer::kDefaultGap, importer::pageSizes());
    const QImage page = lines.convertToFormat(QImage::Format_RGB32);
    fuzz::check(onlyBlackAndWhite(page), "a page holds grey");
    fuzz::check(importer::logoFromPage(page).size() == importer::kLogoSize, "a page's logo has the wrong size");
    return 0;
}
