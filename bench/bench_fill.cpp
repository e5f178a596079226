// Both fill rules against OpenCV's cv::floodFill on the same pages, in the same run.
#include "bench_pages.h"

#include "platform/fill/span_fill.h"

#include <benchmark/benchmark.h>
#include <opencv2/imgproc.hpp>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

namespace {

using bench::SceneKind;

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
// Fills alternate between these, so each fill undoes the last and no reset is needed.
const QRgb kColours[2] = {qRgb(255, 0, 0), qRgb(0, 0, 255)};

const QSize kSizes[] = {{832, 696}, {1912, 1000}, {3840, 2000}};
const SceneKind kKinds[] = {SceneKind::Big, SceneKind::Largest, SceneKind::Medium, SceneKind::Maze};

enum class Method { Surface, Border, BorderRefill, OpenCv };

cv::Mat wrap(QImage& image)
{
    return cv::Mat(image.height(), image.width(), CV_32SC1, image.bits(),
                   static_cast<std::size_t>(image.bytesPerLine()));
}

// One fill of `area` from `seed`, whose pixels now have the colour `current`.
void fillOnce(Method method, QImage& image, cv::Mat& mat, QPoint seed, QRgb current, QRgb next)
{
    switch (method) {
    case Method::Surface:
        benchmark::DoNotOptimize(platform::floodFillSurface(image, seed, current, next));
        break;
    case Method::Border:
    case Method::BorderRefill:
        benchmark::DoNotOptimize(platform::floodFillBorder(image, seed, kBlack, next));
        break;
    case Method::OpenCv:
        cv::floodFill(mat, cv::Point(seed.x(), seed.y()), cv::Scalar(static_cast<int>(next)));
        break;
    }
}

void runFill(benchmark::State& state, SceneKind kind, QSize size, Method method)
{
    const bench::Scene& s = bench::scene(kind, size);
    QImage image = s.page.copy();
    cv::Mat mat = wrap(image);
    QRgb current = kWhite;
    int i = 0;
    for (auto _ : state) {
        // The refill case paints the area with the colour it already has.
        const QRgb next = method == Method::BorderRefill ? kColours[0] : kColours[i++ & 1];
        fillOnce(method, image, mat, s.seed, current, next);
        current = next;
        benchmark::ClobberMemory();
    }
    state.counters["area_px"] = s.area;
    state.counters["areas"] = s.areas;
    state.SetItemsProcessed(state.iterations() * s.area);
}

// Both rules and OpenCV in turn on one scene, each on its own copy of the
// page, timed apart: their ratios are measured in the same moments, which a
// machine whose speed drifts from one benchmark to the next cannot spoil.
void runInTurn(benchmark::State& state, SceneKind kind, QSize size)
{
    using Clock = std::chrono::steady_clock;
    const bench::Scene& s = bench::scene(kind, size);
    QImage images[3] = {s.page.copy(), s.page.copy(), s.page.copy()};
    cv::Mat mat = wrap(images[2]);
    const Method methods[3] = {Method::Surface, Method::Border, Method::OpenCv};
    Clock::duration spent[3] = {};
    QRgb current = kWhite;
    int i = 0;
    for (auto _ : state) {
        const QRgb next = kColours[i & 1];
        // Each in turn goes first, as the one before leaves the cache to the next.
        for (int k = 0; k < 3; ++k) {
            const int m = (i + k) % 3;
            const auto start = Clock::now();
            fillOnce(methods[m], images[m], mat, s.seed, current, next);
            spent[m] += Clock::now() - start;
        }
        current = next;
        ++i;
        benchmark::ClobberMemory();
    }
    const auto us = [&](int m) {
        return std::chrono::duration<double, std::micro>(spent[m]).count() / static_cast<double>(state.iterations());
    };
    state.counters["surface_us"] = us(0);
    state.counters["border_us"] = us(1);
    state.counters["opencv_us"] = us(2);
    state.counters["border_per_surface"] = us(1) / us(0);
    state.counters["border_per_opencv"] = us(1) / us(2);
}

void runMemcpy(benchmark::State& state, QSize size)
{
    QImage from(size, QImage::Format_RGB32);
    from.fill(kWhite);
    QImage to = from.copy();
    for (auto _ : state) {
        std::memcpy(to.bits(), from.constBits(), static_cast<std::size_t>(from.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}

// Our fill and OpenCV's must paint exactly the same pixels, or the timings mean nothing.
bool sameAsOpenCv(SceneKind kind, QSize size)
{
    const bench::Scene& s = bench::scene(kind, size);
    QImage ours = s.page.copy();
    QImage border = s.page.copy();
    QImage theirs = s.page.copy();
    cv::Mat mat = wrap(theirs);
    platform::floodFillSurface(ours, s.seed, kWhite, kColours[0]);
    platform::floodFillBorder(border, s.seed, kBlack, kColours[0]);
    cv::floodFill(mat, cv::Point(s.seed.x(), s.seed.y()), cv::Scalar(static_cast<int>(kColours[0])));
    return ours == theirs && border == theirs;
}

std::string label(SceneKind kind, QSize size, const char* method)
{
    return bench::sceneName(kind).toStdString() + "/" + std::to_string(size.width()) + "x" +
           std::to_string(size.height()) + "/" + method;
}

void registerAll()
{
    const std::pair<Method, const char*> methods[] = {{Method::OpenCv, "opencv"},
                                                      {Method::Surface, "surface"},
                                                      {Method::Border, "border"},
                                                      {Method::BorderRefill, "border_refill"}};
    for (QSize size : kSizes) {
        benchmark::RegisterBenchmark(label(SceneKind::Big, size, "memcpy").replace(0, 3, "page").c_str(),
                                     [size](benchmark::State& st) { runMemcpy(st, size); })
            ->Unit(benchmark::kMicrosecond);
        for (SceneKind kind : kKinds) {
            benchmark::RegisterBenchmark(label(kind, size, "in_turn").c_str(),
                                         [kind, size](benchmark::State& st) { runInTurn(st, kind, size); })
                ->Unit(benchmark::kMicrosecond);
            for (const auto& [method, name] : methods) {
                if (method == Method::BorderRefill && kind != SceneKind::Big)
                    continue;
                benchmark::RegisterBenchmark(label(kind, size, name).c_str(),
                                             [kind, size, method = method](benchmark::State& st) {
                                                 runFill(st, kind, size, method);
                                             })
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    for (QSize size : kSizes) {
        for (SceneKind kind : kKinds) {
            if (!sameAsOpenCv(kind, size)) {
                std::fprintf(stderr, "fill differs from OpenCV: %s\n", label(kind, size, "").c_str());
                return 1;
            }
        }
    }
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
