// Presses on the canvas as a child makes them: a fill press on a nearly
// page-wide area (snapshot, fill, repaint) and pencil strokes of a wide pen.
#include "bench_pages.h"
#include "bench/shipped_book.h"

#include "shell/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

const QSize kCanvas(1912, 1000);
const QRgb kColours[2] = {qRgb(255, 0, 0), qRgb(0, 0, 255)};
constexpr int kStrokeMoves = 200;

// A shown main window whose canvas holds `page` at natural size.
struct Window {
    QTemporaryDir folder;
    std::unique_ptr<Form1> form;

    explicit Window(const QImage& page) : form(std::make_unique<Form1>(folder.path()))
    {
        form->resize(kCanvas.width() + 100, kCanvas.height() + 100);
        form->Picture5->Move(0, 0, (kCanvas.width() + 2) * 15.0, (kCanvas.height() + 2) * 15.0);
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
    const bench::Scene& scene = bench::scene(bench::SceneKind::Big, kCanvas);
    Window w(scene.page);
    w.form->FillToBorder = state.range(0) == 1;
    std::vector<double> seconds;
    double copies = 0;
    int i = 0;
    for (auto _ : state) {
        w.setColour(kColours[i++ & 1]);
        const uchar* before = w.form->Picture1->persistentImage().constBits();
        const auto start = std::chrono::steady_clock::now();
        w.form->Picture1_MouseDown(1, 0, float(scene.seed.x()), float(scene.seed.y()));
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
}
BENCHMARK(BM_FillPress)->ArgName("border")->Arg(1)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond);

// One stroke: a press and 200 moves in a zigzag across the canvas at pen
// width 40, each move followed by the repaint it asks for.
void BM_PencilStroke(benchmark::State& state)
{
    Window w(bench::scene(bench::SceneKind::Big, kCanvas).page);
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
BENCHMARK(BM_PencilStroke)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runInApplication(argc, argv); }
