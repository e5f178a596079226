// The texture fill against a plain colour fill of the same area, and the
// recolouring of the pointer.
#include "bench_pages.h"

#include "canvas/texture_tiling.h"
#include "platform/flood_fill.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace {

const QSize kPageSize(1912, 1000);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kMarker = qRgb(255, 224, 192);

// The texture box's period: its design size, 97 x 73 pixels.
QImage benchTile()
{
    QImage picture(120, 90, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7) % 256, (y * 11) % 256, (x + y) % 256));
    return canvas::textureTile(picture, QSize(97, 73), kWhite);
}

// Each iteration starts from the blank page; the copy back is not timed.
template <typename Fill>
void runOnFreshPage(benchmark::State& state, Fill fill)
{
    const bench::Scene& s = bench::scene(bench::SceneKind::Largest, kPageSize);
    QImage image = s.page.copy();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(image.bits(), s.page.constBits(), static_cast<std::size_t>(s.page.sizeInBytes()));
        state.ResumeTiming();
        benchmark::DoNotOptimize(fill(image, s.seed));
        benchmark::ClobberMemory();
    }
    state.counters["area_px"] = s.area;
    state.SetItemsProcessed(state.iterations() * s.area);
}

void BM_ColourFill(benchmark::State& state)
{
    runOnFreshPage(state, [](QImage& image, QPoint seed) {
        return platform::floodFillSurface(image, seed, kWhite, kRed);
    });
}

void BM_TextureFill(benchmark::State& state)
{
    const QImage tile = benchTile();
    runOnFreshPage(state, [&tile](QImage& image, QPoint seed) {
        return canvas::textureFillArea(image, seed, tile, kMarker);
    });
}

void BM_UpdateColourCursor(benchmark::State& state)
{
    QTemporaryDir folder;
    Form1 form(folder.path());
    int i = 0;
    for (auto _ : state) {
        form.CurrentRed = (i * 37) % 256;
        form.CurrentGreen = (i * 91) % 256;
        form.CurrentBlue = 200;
        ++i;
        form.UpdateColourCursor();
    }
}

BENCHMARK(BM_ColourFill)->Name("largest/1912x1000/colour_fill")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextureFill)->Name("largest/1912x1000/texture_fill")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UpdateColourCursor)->Name("UpdateColourCursor")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
