// A page change as the child makes it, on the canvas of a 1920 x 1080 and a
// 3840 x 2160 screen: the painted page saved as its coloured copy, the next
// page loaded and fitted. Also each part alone, so that their shares show.
// The pages are the shipped book's. Run with QT_SCALE_FACTOR=2 for a desktop
// scaled to 200 % (the 3840 x 2160 screen then has the layout of a
// 1920 x 1080 one, at two device pixels a screen pixel). Also the checks
// every load makes on the file it reads.
#include "bench/shipped_book.h"
#include "platform/gif_decode.h"
#include "platform/jpeg_scans.h"
#include "platform/picture_io.h"
#include "platform/plain_file.h"
#include "shell/main_window.h"
#include "shell/design_placement.h"

#include <QApplication>
#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {


// A 1920 x 1080 and a 3840 x 2160 screen, each with a third argument 0 and 1.
void onBothScreens(benchmark::internal::Benchmark* b)
{
    for (const auto& screen : {std::pair{1920, 1080}, std::pair{3840, 2160}})
        for (const int third : {0, 1})
            b->Args({screen.first, screen.second, third});
}

// The screen of a benchmark's first two arguments, in device pixels.
QSize screenOf(const benchmark::State& state) { return {int(state.range(0)), int(state.range(1))}; }

// The main window on a copy of the book, its canvas fitted as on `screen`.
struct Book {
    QTemporaryDir folder;
    std::unique_ptr<Form1> form;

    bool open(QSize screen)
    {
        const int ratio = int(qApp->devicePixelRatio());
        const QSize logical = screen / ratio;
        if (logical.width() < 800 || logical.height() < 600 || !folder.isValid() || !bench::copyShippedBook(TINTARO_PROGRAM_FOLDER, folder.path()))
            return false;
        form = std::make_unique<Form1>(folder.path());
        const layout::TwipRect frame = layout::placementOn(logical).picture5;
        form->Picture5->Move(frame.left, frame.top, frame.width, frame.height);
        form->FitDrawing();
        return form->Picture1->Image().size() == layout::canvasOn(logical) * ratio && form->PageCount >= 2;
    }
    // Opens the book for a benchmark, or tells it why not.
    bool openFor(benchmark::State& state)
    {
        if (open(screenOf(state))) {
            const QSize canvas = form->Picture1->Image().size();
            state.SetLabel(std::to_string(canvas.width()) + " x " + std::to_string(canvas.height()) + " device pixels");
            return true;
        }
        state.SkipWithError("the shipped book could not be opened on a screen of that size");
        return false;
    }
    QString copyPath(int page) const
    {
        return folder.path() + "/dibujos/" + form->SetName(form->SetIndex) + "/" + QString::number(page) + ".bmp";
    }
    // Paints as a tool does: a snapshot, then a change over much of the page.
    void paint(int i) const
    {
        form->SaveSnapshot();
        QPainter painter(&form->Picture1->persistentImage());
        painter.fillRect(QRect(40 + i % 50, 40, 900, 700), i % 2 ? Qt::red : Qt::blue);
        painter.end();
        form->Picture1->imageChanged();
        form->DrawingModified = true;
    }
    void removeCopies() const
    {
        for (int page = 1; page <= form->PageCount; ++page)
            QFile::remove(copyPath(page));
    }
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

struct Timing {
    double wall = 0; // seconds
    double cpu = 0;  // seconds of this thread: the work itself, without waiting
};

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

template <typename Step>
Timing timed(Step step)
{
    const double cpuStart = threadCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    step();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    return {wall.count(), threadCpuSeconds() - cpuStart};
}

// Collects the timings of one benchmark and reports their medians.
class Timings {
public:
    void add(benchmark::State& state, Timing timing)
    {
        state.SetIterationTime(timing.wall);
        wall_.push_back(timing.wall);
        cpu_.push_back(timing.cpu);
    }
    void report(benchmark::State& state) const
    {
        state.counters["median_ms"] = median(wall_) * 1000;
        state.counters["median_cpu_ms"] = median(cpu_) * 1000;
    }

private:
    std::vector<double> wall_;
    std::vector<double> cpu_;
};

// The whole next-page press after painting. next_coloured 0: the next page
// has no coloured copy (its GIF is loaded); 1: it has one (a canvas-size BMP).
void BM_PageChange(benchmark::State& state)
{
    Book book;
    if (!book.openFor(state))
        return;
    const bool nextIsColoured = state.range(2) == 1;
    Timings timings;
    int i = 0;
    for (auto _ : state) {
        book.removeCopies();
        const int next = book.form->PageNumber < book.form->PageCount ? book.form->PageNumber + 1 : 1;
        if (nextIsColoured && !platform::saveBmpAtomically(book.form->Picture1->Image(), book.copyPath(next))) {
            state.SkipWithError("cannot write a coloured copy");
            return;
        }
        book.paint(i++);
        timings.add(state, timed([&] { book.form->Command4_Click(); }));
    }
    timings.report(state);
}
BENCHMARK(BM_PageChange)
    ->ArgNames({"screen_w", "screen_h", "next_coloured"})
    ->Apply(onBothScreens)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The save step alone: the painted canvas written as its coloured copy.
void BM_SavePaintedPage(benchmark::State& state)
{
    Book book;
    if (!book.openFor(state))
        return;
    Timings timings;
    int i = 0;
    for (auto _ : state) {
        book.paint(i++);
        timings.add(state, timed([&] { book.form->SavePage(); }));
    }
    timings.report(state);
}
BENCHMARK(BM_SavePaintedPage)
    ->ArgNames({"screen_w", "screen_h"})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The load step alone. coloured 0: a shipped page picture (GIF); 1: a
// canvas-size coloured copy (BMP).
void BM_LoadPage(benchmark::State& state)
{
    Book book;
    if (!book.openFor(state))
        return;
    if (state.range(2) == 1 && !platform::saveBmpAtomically(book.form->Picture1->Image(), book.copyPath(1))) {
        state.SkipWithError("cannot write a coloured copy");
        return;
    }
    Timings timings;
    for (auto _ : state) {
        timings.add(state, timed([&] { book.form->LoadPage(); }));
    }
    timings.report(state);
    state.counters["page_px"] = book.form->Picture8->Picture().width() * book.form->Picture8->Picture().height();
}
BENCHMARK(BM_LoadPage)
    ->ArgNames({"screen_w", "screen_h", "coloured"})
    ->Apply(onBothScreens)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Decoding a shipped page's GIF alone. Arg 0: Qt's GIF reader; 1: the
// program's decoder of plain GIFs. Each decode writes a picture freshly
// allocated, as a page load does.
void BM_DecodePageGif(benchmark::State& state)
{
    Book book;
    if (!book.open(QSize(1920, 1080))) {
        state.SkipWithError("the shipped book could not be opened on a 1920 x 1080 screen");
        return;
    }
    const QString path = book.folder.path() + "/dibujos/" + book.form->SetName(0) + "/1.gif";
    const QByteArray gif = platform::readPlainFile(path, 1 << 24).bytes;
    const bool ours = state.range(0) == 1;
    Timings timings;
    for (auto _ : state) {
        timings.add(state, timed([&] {
            QBuffer buffer;
            buffer.setData(gif);
            const QImage page = ours ? platform::decodePlainGif(gif, platform::kMaxPictureSide, platform::kMaxPicturePixels)
                                     : QImageReader(&buffer, "gif").read();
            benchmark::DoNotOptimize(page.constBits());
        }));
    }
    timings.report(state);
}
BENCHMARK(BM_DecodePageGif)->ArgName("ours")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The fit alone: the loaded page put onto the canvas. coloured 0: a shipped
// page picture (shrunk onto the page's place); 1: a canvas-size coloured copy.
void BM_FitDrawing(benchmark::State& state)
{
    Book book;
    if (!book.openFor(state))
        return;
    if (state.range(2) == 1) {
        if (!platform::saveBmpAtomically(book.form->Picture1->Image(), book.copyPath(1))) {
            state.SkipWithError("cannot write a coloured copy");
            return;
        }
        book.form->LoadPage();
    }
    Timings timings;
    for (auto _ : state)
        timings.add(state, timed([&] { book.form->FitDrawing(); }));
    timings.report(state);
}
BENCHMARK(BM_FitDrawing)
    ->ArgNames({"screen_w", "screen_h", "coloured"})
    ->Apply(onBothScreens)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The checks every load of a page now makes, alone: the file opened without
// blocking and its kind read from the descriptor (a limit of 0 bytes stops
// readPlainFile right there), and the format told from the first bytes.
// Arg 0: the page's GIF; arg 1: a canvas-size coloured copy (BMP).
void BM_PlainFileCheck(benchmark::State& state)
{
    Book book;
    if (!book.open(QSize(1920, 1080))) {
        state.SkipWithError("the shipped book could not be opened on a 1920 x 1080 screen");
        return;
    }
    QString path = book.folder.path() + "/dibujos/" + book.form->SetName(0) + "/1.gif";
    if (state.range(0) == 1) {
        path = book.copyPath(1);
        if (!platform::saveBmpAtomically(book.form->Picture1->Image(), path)) {
            state.SkipWithError("cannot write a coloured copy");
            return;
        }
    }
    const QByteArray head = platform::readPlainFilePrefix(path, 16).bytes;
    Timings timings;
    for (auto _ : state) {
        timings.add(state, timed([&] {
            benchmark::DoNotOptimize(platform::readPlainFile(path, 0).status);
            benchmark::DoNotOptimize(platform::pictureFormatOf(head));
        }));
    }
    timings.report(state);
}
BENCHMARK(BM_PlainFileCheck)->ArgName("coloured")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Counting the scans of a 1920 x 1080 JPEG before it is decoded (the book's
// pages are GIF and its copies BMP: this is the cost where a page is a JPEG).
// Arg 0: baseline; arg 1: progressive.
void BM_JpegScanCount(benchmark::State& state)
{
    QImage photo(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            row[x] = qRgb((x * 7 + y) % 256, (y * 5 + x / 3) % 256, (x ^ y) % 256);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(state.range(0) == 1);
    if (!writer.write(photo)) {
        state.SkipWithError("cannot encode the JPEG");
        return;
    }
    Timings timings;
    int scans = 0;
    for (auto _ : state)
        timings.add(state, timed([&] { scans = platform::jpegLayout(jpeg).scans; }));
    timings.report(state);
    state.counters["scans"] = scans;
    state.counters["file_kb"] = double(jpeg.size()) / 1024;
}
BENCHMARK(BM_JpegScanCount)->ArgName("progressive")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

// This process's resident memory in MB, as /proc tells it (0 if it cannot).
double residentMegabytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// Resident memory after ten painted page changes, as the child makes them.
// Run alone (--benchmark_filter=BM_ResidentAfterTenPages), so that no other
// benchmark's pictures are counted.
void BM_ResidentAfterTenPages(benchmark::State& state)
{
    Book book;
    if (!book.openFor(state))
        return;
    book.removeCopies();
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i) {
            book.paint(i);
            book.form->Command4_Click();
        }
    }
    state.counters["resident_mb"] = residentMegabytes();
    book.removeCopies();
}
BENCHMARK(BM_ResidentAfterTenPages)
    ->ArgNames({"screen_w", "screen_h"})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runInApplication(argc, argv); }
