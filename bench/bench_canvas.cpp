// Presses on the canvas as a child makes them: a fill press on a nearly
// page-wide area (snapshot, fill, repaint) and pencil strokes of a wide pen,
// on the canvas of a 1920 x 1080 and a 3840 x 2160 screen. Run with
// QT_SCALE_FACTOR=2 for a desktop scaled to 200 % (the 3840 x 2160 screen
// then has the layout of a 1920 x 1080 one, at two device pixels a pixel).
#include "bench_pages.h"
#include "bench/shipped_book.h"

#include "shell/main_window.h"
#include "shell/design_placement.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

const QRgb kColours[2] = {qRgb(255, 0, 0), qRgb(0, 0, 255)};
constexpr int kStrokeMoves = 200;

// The canvas of `screen` (device pixels) in device pixels, or an empty size
// for a screen too small for the layout at the application's pixel ratio.
QSize canvasOn(QSize screen)
{
    const int ratio = int(qApp->devicePixelRatio());
    const QSize logical = screen / ratio;
    return logical.width() < 800 || logical.height() < 600 ? QSize() : layout::canvasOn(logical) * ratio;
}

QSize screenOf(const benchmark::State& state) { return {int(state.range(0)), int(state.range(1))}; }

// A shown main window whose canvas holds `page` (one page pixel a device pixel).
struct Window {
    QTemporaryDir folder;
    std::unique_ptr<Form1> form;

    explicit Window(const QImage& page) : form(std::make_unique<Form1>(folder.path()))
    {
        const QSize shown = page.size() / int(qApp->devicePixelRatio());
        form->resize(shown.width() + 100, shown.height() + 100);
        form->Picture5->Move(0, 0, (shown.width() + 2) * 15.0, (shown.height() + 2) * 15.0);
        form->Picture1->setPicture(page);
        form->show();
        QCoreApplication::processEvents();
    }
    void setColour(QRgb rgb) const
    {
        form->CurrentRed = qRed(rgb);
        form->CurrentGreen = qGreen(rgb);
        form->CurrentBlue = qBlue(rgb);
    }
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Fills alternate between two colours, so every press repaints the whole area
// by either rule. Reports the median press and how often a press copied the
// canvas (the snapshot shares it; only the fill's write copies).
void BM_FillPress(benchmark::State& state)
{
    const QSize canvas = canvasOn(screenOf(state));
    if (canvas.isEmpty()) {
        state.SkipWithError("no layout for a screen that small at this scale");
        return;
    }
    const bench::Scene& scene = bench::scene(bench::SceneKind::Big, canvas);
    Window w(scene.page);
    w.form->FillToBorder = state.range(2) == 1;
    std::vector<double> seconds;
    double copies = 0;
    int i = 0;
    for (auto _ : state) {
        w.setColour(kColours[i++ & 1]);
        const uchar* before = w.form->Picture1->persistentImage().constBits();
        const auto start = std::chrono::steady_clock::now();
        // The press on the screen pixel over the seed's device pixel.
        const double ratio = w.form->Picture1->pixelRatio();
        w.form->Picture1_MouseDown(1, 0, float(scene.seed.x() / ratio), float(scene.seed.y() / ratio));
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        seconds.push_back(elapsed.count());
        const int slot = (w.form->SnapshotIndex + 3) % 4;
        copies += (w.form->Image1[slot]->picture().image.constBits() != before ? 1 : 0)
            + (w.form->Picture1->persistentImage().constBits() != before ? 1 : 0);
    }
    state.counters["median_ms"] = median(seconds) * 1000;
    state.counters["copies_per_press"] = copies / double(seconds.size());
    state.counters["area_px"] = scene.area;
    state.SetLabel(std::to_string(canvas.width()) + " x " + std::to_string(canvas.height()) + " device pixels");
}
BENCHMARK(BM_FillPress)
    ->ArgNames({"screen_w", "screen_h", "border"})
    ->Args({1920, 1080, 1})
    ->Args({1920, 1080, 0})
    ->Args({3840, 2160, 1})
    ->Args({3840, 2160, 0})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// One stroke: a press and 200 moves in a zigzag across the canvas at pen
// width 40, each move followed by the repaint it asks for.
void BM_PencilStroke(benchmark::State& state)
{
    const QSize canvas = canvasOn(screenOf(state));
    if (canvas.isEmpty()) {
        state.SkipWithError("no layout for a screen that small at this scale");
        return;
    }
    Window w(bench::scene(bench::SceneKind::Big, canvas).page);
    w.form->CurrentTool = 1;
    w.form->Picture1->setDrawWidth(40);
    int stroke = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        w.setColour(kColours[stroke++ & 1]);
        w.form->Picture1_MouseDown(1, 0, 60, 500);
        for (int m = 1; m <= kStrokeMoves; ++m) {
            const float x = 60 + m * 9.0f;
            const float y = 500 + ((m / 10) % 2 == 0 ? 1 : -1) * float(m % 10) * 30.0f;
            w.form->Picture1_MouseMove(1, 0, x, y);
            QCoreApplication::processEvents();
        }
        w.form->Picture1_MouseUp(1, 0, 60 + kStrokeMoves * 9.0f, 500);
    }
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    state.counters["us_per_move"] = elapsed.count() / (double(state.iterations()) * kStrokeMoves);
}
BENCHMARK(BM_PencilStroke)
    ->ArgNames({"screen_w", "screen_h"})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runInApplication(argc, argv); }
