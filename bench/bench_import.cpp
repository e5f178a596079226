// Making a page from a picture with tintaro-import's cleaning: a drawing of
// about the page's size, an A4 scan at 600 dpi, and a phone photo of a page.
// The pictures are already decoded, as makePage() receives them.
#include "page_fit.h"
#include "picture_input.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QRandomGenerator>
#include <cmath>

namespace {

// A scan-like line drawing of `size`: outlined shapes of every size, a few
// filled with colour, lines as thick as a pen at 600 dpi makes them relative
// to the page, on warm, noisy paper.
QImage scannedDrawing(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(qRgb(238, 234, 226));
    const double unit = std::min(size.width(), size.height()) / 1000.0;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(17);
    for (int i = 0; i < 120; ++i) {
        const QPointF c(random.bounded(double(size.width())), random.bounded(double(size.height())));
        const double r = unit * (10 + random.bounded(90.0));
        p.setPen(QPen(QColor(30, 28, 26), unit * (1.5 + random.bounded(2.0))));
        p.setBrush(i % 5 == 0 ? QColor::fromHsv(random.bounded(360), 90, 245) : QColor(Qt::transparent));
        i % 2 ? p.drawEllipse(c, r, r * 0.7) : p.drawRect(QRectF(c, QSizeF(r, r * 1.3)));
    }
    p.end();
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size.width(); x += 7) {
            const int n = random.bounded(17) - 8;
            row[x] = qRgb(qBound(0, qRed(row[x]) + n, 255), qBound(0, qGreen(row[x]) + n, 255),
                          qBound(0, qBlue(row[x]) + n, 255));
        }
    }
    return picture;
}

// The drawing on a sheet lying on a table, turned by 2 degrees.
QImage photographedDrawing(QSize size)
{
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(qRgb(90, 70, 50));
    const QImage sheet = scannedDrawing(size * 0.75);
    QPainter p(&photo);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(size.width() / 2.0, size.height() / 2.0);
    p.rotate(2);
    p.drawImage(QPointF(-sheet.width() / 2.0, -sheet.height() / 2.0), sheet);
    return photo;
}

void makePage(benchmark::State& state, const QImage& picture)
{
    const importer::PictureFile file{picture, {}, picture.size(), {}};
    for (auto _ : state) {
        const importer::Page page = importer::makePage(file, importer::kDefaultGap, importer::Photos::Accept);
        benchmark::DoNotOptimize(page.image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * picture.width() * picture.height());
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("make_page/drawing_2000x1400", [](benchmark::State& st) {
        static const QImage picture = scannedDrawing({2000, 1400});
        makePage(st, picture);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("make_page/a4_scan_600dpi_4960x7016", [](benchmark::State& st) {
        static const QImage picture = scannedDrawing({4960, 7016});
        makePage(st, picture);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("make_page/photo_4000x3000", [](benchmark::State& st) {
        static const QImage picture = photographedDrawing({4000, 3000});
        makePage(st, picture);
    })->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
