// Both fill rules against OpenCV's cv::floodFill on the same pages, in the same run.
#include "bench_pages.h"

#include "platform/fill/span_fill.h"

#include <benchmark/benchmark.h>
#include <opencv2/imgproc.hpp>

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
