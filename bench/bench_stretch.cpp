// Stretching a page onto the canvas, the step behind every page shown.
#include "bench_pages.h"

#include "platform/stretch.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void runStretch(benchmark::State& state, QSize page, QSize canvas, bool keepDark)
{
    const QImage& source = bench::scene(bench::SceneKind::Largest, page).page;
    for (auto _ : state) {
        const QImage out = keepDark ? platform::stretchKeepingDark(source, canvas)
                                    : platform::stretchBlt(source, canvas, platform::StretchMode::Halftone);
        benchmark::DoNotOptimize(out.constBits());
    }
    state.SetItemsProcessed(state.iterations() * canvas.width() * canvas.height());
}

std::string size(QSize s)
{
    return std::to_string(s.width()) + "x" + std::to_string(s.height());
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const QSize page(1600, 1100);
    for (QSize canvas : {QSize(1912, 1000), QSize(1719, 998), QSize(823, 686), QSize(3840, 2000)}) {
        for (bool keepDark : {true, false}) {
            const std::string name = std::string(keepDark ? "keep_dark/" : "halftone/") + size(page) +
                                     "_to_" + size(canvas);
            benchmark::RegisterBenchmark(name.c_str(), [page, canvas, keepDark](benchmark::State& st) {
                runStretch(st, page, canvas, keepDark);
            })->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
