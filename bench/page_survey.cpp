// The figures behind the shipped page's proportions and size: the canvas on
// common screens (from the window layout), the canvas each page proportion
// leaves unused there, and how much the shipped page is shrunk (below 1) or
// enlarged (above 1) on each. Prints tables; measures no time.
//   tintaro_page_survey
#include "canvas/page_placement.h"
#include "book/book_rules.h"
#include "shell/design_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Screen {
    const char* kind; // "4:3", "16:10" or "16:9"
    QSize size;       // in screen (logical) pixels
    double ratio;     // device pixels a screen pixel
};

const std::vector<Screen> kScreens = {
    {"4:3", {800, 600}, 1},    {"4:3", {1024, 768}, 1},    {"4:3", {1280, 1024}, 1},  {"4:3", {1600, 1200}, 1},
    {"16:10", {1280, 800}, 1}, {"16:10", {1440, 900}, 1},  {"16:10", {1680, 1050}, 1}, {"16:10", {1920, 1200}, 1},
    {"16:10", {1280, 800}, 2}, {"16:10", {1440, 900}, 2},  {"16:9", {1024, 600}, 1},   {"16:9", {1280, 720}, 1},
    {"16:9", {1366, 768}, 1},  {"16:9", {1536, 864}, 1},   {"16:9", {1600, 900}, 1},   {"16:9", {1920, 1080}, 1},
    {"16:9", {2560, 1440}, 1}, {"16:9", {3840, 2160}, 1},  {"16:9", {1536, 864}, 1.25}, {"16:9", {1920, 1080}, 2},
};

const char* const kKinds[] = {"4:3", "16:10", "16:9"};

// The canvas in device pixels: the frame less 120 twips, less its border.
QSize canvasOn(const Screen& screen)
{
    const QSize inner = layout::canvasOn(screen.size);
    return {int(std::ceil(inner.width() * screen.ratio - 1e-6)), int(std::ceil(inner.height() * screen.ratio - 1e-6))};
}

// The part of `canvas` a page of `aspect` leaves unused.
double waste(double aspect, QSize canvas)
{
    const double c = double(canvas.width()) / canvas.height();
    return 1 - std::min(aspect, c) / std::max(aspect, c);
}

void printCanvases()
{
    const QSize page = book::kPageSize;
    std::printf("screen              ratio  canvas      aspect  page on canvas  page scale\n");
    for (const Screen& s : kScreens) {
        const QSize canvas = canvasOn(s);
        const QRect placed = canvas::fittedPageRect(page, canvas);
        std::printf("%-6s %4d x %-4d  %4.2f   %4d x %-4d  %5.3f   %4d x %-4d     %5.3f\n", s.kind, s.size.width(),
                    s.size.height(), s.ratio, canvas.width(), canvas.height(),
                    double(canvas.width()) / canvas.height(), placed.width(), placed.height(),
                    double(placed.height()) / page.height());
    }
}

// Mean and worst unused canvas per kind of screen, and over the kinds, for
// pages of `aspect` (screens at the usual density).
void printWasteRow(const char* name, double aspect)
{
    double meanOfKinds = 0;
    double worst = 0;
    std::printf("%-13s", name);
    for (const char* kind : kKinds) {
        double sum = 0;
        double kindWorst = 0;
        int count = 0;
        for (const Screen& s : kScreens) {
            if (QString(s.kind) != kind || s.ratio != 1)
                continue;
            const double w = waste(aspect, canvasOn(s));
            sum += w;
            kindWorst = std::max(kindWorst, w);
            ++count;
        }
        std::printf("%-5s %4.1f%% (%4.1f%%)  ", kind, 100 * sum / count, 100 * kindWorst);
        meanOfKinds += sum / count / 3;
        worst = std::max(worst, kindWorst);
    }
    std::printf("%4.1f%%        %4.1f%%\n", 100 * meanOfKinds, 100 * worst);
}

void printWaste()
{
    std::printf("\npage aspect  unused canvas: mean (worst) per kind          mean of kinds  worst\n");
    for (double aspect = 1.15; aspect < 1.76; aspect += 0.025)
        printWasteRow(QByteArray::number(aspect, 'f', 3).constData(), aspect);
    const QSize page = book::kPageSize;
    printWasteRow("shipped page", double(page.width()) / page.height());
}

} // namespace

int main()
{
    printCanvases();
    printWaste();
    return 0;
}
