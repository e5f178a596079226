// Shrinking pictures row by row: block sums and block minimums over scanlines.
#include "working_picture.h"

#include "clean_page.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace importer {
namespace {

// The blocks tile the source: target index i covers source i*s/t .. (i+1)*s/t - 1.
std::vector<int> blockOf(int source, int target)
{
    std::vector<int> block(static_cast<std::size_t>(source));
    for (int i = 0; i < source; ++i)
        block[std::size_t(i)] = static_cast<int>(qint64(i) * target / source);
    return block;
}

int firstRow(int target, int source, int i) { return static_cast<int>((qint64(i) * source + target - 1) / target); }

// The darkest pixel of each block of `grey` (Format_Grayscale8).
QImage minShrunk(const QImage& grey, QSize size)
{
    QImage out(size, QImage::Format_Grayscale8);
    if (out.isNull())
        return {};
    const std::vector<int> column = blockOf(grey.width(), size.width());
    for (int ty = 0; ty < size.height(); ++ty) {
        uchar* dst = out.scanLine(ty);
        std::fill_n(dst, size.width(), uchar(255));
        const int end = firstRow(size.height(), grey.height(), ty + 1);
        for (int y = firstRow(size.height(), grey.height(), ty); y < end; ++y) {
            const uchar* src = grey.constScanLine(y);
            for (int x = 0, xEnd = grey.width(); x < xEnd; ++x) {
                uchar& d = dst[column[std::size_t(x)]];
                d = std::min(d, src[x]);
            }
        }
    }
    return out;
}

} // namespace

QImage meanShrunk(const QImage& picture, QSize size)
{
    Q_ASSERT(picture.format() == QImage::Format_RGB32);
    Q_ASSERT(size.width() <= picture.width() && size.height() <= picture.height() && !size.isEmpty());
    if (size == picture.size())
        return picture;
    QImage out(size, QImage::Format_RGB32);
    if (out.isNull())
        return {};
    const std::vector<int> column = blockOf(picture.width(), size.width());
    std::vector<std::uint32_t> width(static_cast<std::size_t>(size.width()), 0);
    for (int b : column)
        ++width[std::size_t(b)];
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(size.width()) * 3);
    for (int ty = 0; ty < size.height(); ++ty) {
        std::fill(sums.begin(), sums.end(), 0);
        const int first = firstRow(size.height(), picture.height(), ty);
        const int end = firstRow(size.height(), picture.height(), ty + 1);
        for (int y = first; y < end; ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = 0, xEnd = picture.width(); x < xEnd; ++x) {
                std::uint64_t* s = &sums[std::size_t(column[std::size_t(x)]) * 3];
                s[0] += qRed(src[x]);
                s[1] += qGreen(src[x]);
                s[2] += qBlue(src[x]);
            }
        }
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(ty));
        for (int tx = 0, txEnd = size.width(); tx < txEnd; ++tx) {
            const std::uint64_t n = std::uint64_t(end - first) * width[std::size_t(tx)];
            const std::uint64_t* s = &sums[std::size_t(tx) * 3];
            dst[tx] = qRgb(int((s[0] + n / 2) / n), int((s[1] + n / 2) / n), int((s[2] + n / 2) / n));
        }
    }
    return out;
}

WorkingPicture workingPicture(const QImage& picture, QSize size)
{
    Q_ASSERT(picture.format() == QImage::Format_RGB32);
    WorkingPicture working;
    if (picture.isNull() || size.isEmpty())
        return working;
    const bool shrinks = size.width() <= picture.width() && size.height() <= picture.height();
    if (!shrinks || size == picture.size()) {
        working.tone = size == picture.size()
                           ? picture
                           : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGB32);
        working.darkest = toGrey(working.tone);
        return working;
    }
    const QSize twice = (size * 2).boundedTo(picture.size());
    const QImage averaged = meanShrunk(picture, twice);
    if (averaged.isNull())
        return working;
    working.tone = meanShrunk(averaged, size);
    working.darkest = minShrunk(toGrey(averaged), size);
    return working;
}

} // namespace importer
