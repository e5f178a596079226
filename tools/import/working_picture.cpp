// Shrinking pictures for finding their lines: block means, and the darkest pixel of each block.
#include "working_picture.h"

#include "clean_page.h"
#include "platform/stretch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace importer {

QImage meanShrunk(const QImage& picture, QSize size)
{
    Q_ASSERT(picture.format() == QImage::Format_RGB32);
    Q_ASSERT(size.width() <= picture.width() && size.height() <= picture.height() && !size.isEmpty());
    if (size == picture.size())
        return picture;
    QImage out(size, QImage::Format_RGB32);
    if (out.isNull())
        return {};
    // The same blocks as the darkest-pixel shrink: each source pixel in one.
    std::vector<platform::SourceSpan> columns(static_cast<std::size_t>(size.width()));
    for (int tx = 0; tx < size.width(); ++tx)
        columns[std::size_t(tx)] = platform::tiledSpan(tx, picture.width(), size.width());
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(size.width()) * 3);
    for (int ty = 0; ty < size.height(); ++ty) {
        std::fill(sums.begin(), sums.end(), 0);
        const platform::SourceSpan rows = platform::tiledSpan(ty, picture.height(), size.height());
        for (int y = rows.first; y <= rows.last; ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (std::size_t tx = 0; tx < columns.size(); ++tx) {
                std::uint64_t* s = &sums[tx * 3];
                for (int x = columns[tx].first; x <= columns[tx].last; ++x) {
                    s[0] += qRed(src[x]);
                    s[1] += qGreen(src[x]);
                    s[2] += qBlue(src[x]);
                }
            }
        }
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(ty));
        for (std::size_t tx = 0; tx < columns.size(); ++tx) {
            const std::uint64_t n = std::uint64_t(rows.last - rows.first + 1) *
                                    std::uint64_t(columns[tx].last - columns[tx].first + 1);
            const std::uint64_t* s = &sums[tx * 3];
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
    working.darkest = platform::shrinkKeepingDarkTiled(toGrey(averaged), size);
    return working;
}

} // namespace importer
