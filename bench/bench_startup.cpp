// Start-up of the main window (Form_Load: the set list, settings, clean-up,
// page 1, palette, textures, tools) on the shipped book, portable and
// installed, in one run: installed, every read asks the user's folder first
// and the set list is the union of two folders. The user's folder holds a
// parent's set and a few coloured copies, as after some use.
#include "bench/shipped_book.h"
#include "shell/main_window.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Layouts {
    QTemporaryDir portable;
    QTemporaryDir installed;
    bool ready = false;

    Layouts()
    {
        ready = portable.isValid() && installed.isValid() &&
                bench::copyShippedBook(TINTARO_PROGRAM_FOLDER, portable.path()) &&
                bench::copyShippedBook(TINTARO_PROGRAM_FOLDER, installed.path() + "/share/tintaro") &&
                QDir().mkpath(installed.path() + "/bin") && useBook();
    }
    platform::BookFolders installedBook() const
    {
        return platform::BookFolders(installed.path() + "/bin", installed.path() + "/home",
                                      installed.path() + "/share/tintaro/configuracion");
    }
    // A parent's set and coloured copies of the first set's pages, in both
    // layouts, kept at every start.
    bool useBook() const
    {
        const QString user = installed.path() + "/home/tintaro";
        const QString set = QDir(portable.path() + "/logos").entryList(QDir::Files, QDir::Name).first().chopped(4);
        const QImage page = QImage(portable.path() + "/dibujos/" + set + "/1.gif").convertToFormat(QImage::Format_RGB32);
        bool ok = QDir().mkpath(user + "/dibujos/" + set) && QDir().mkpath(user + "/dibujos/mios") &&
                  QDir().mkpath(user + "/logos") && QFile::copy(portable.path() + "/logos/" + set + ".gif",
                                                                user + "/logos/mios.gif");
        for (const QString& root : {portable.path(), user}) {
            for (int n = 1; n <= 3; ++n)
                ok = ok && page.save(root + "/dibujos/" + set + "/" + QString::number(n) + ".bmp");
        }
        for (int n = 1; n <= 3; ++n)
            ok = ok && QFile::copy(portable.path() + "/dibujos/" + set + "/1.gif",
                                   user + "/dibujos/mios/" + QString::number(n) + ".gif");
        QFile keep(installed.path() + "/share/tintaro/configuracion/borra.txt");
        QFile keepPortable(portable.path() + "/configuracion/borra.txt");
        return ok && keep.open(QIODevice::WriteOnly) && keep.write("NO\n") == 3 && keepPortable.open(QIODevice::WriteOnly) &&
               keepPortable.write("NO\n") == 3;
    }
};

Layouts& layouts()
{
    static Layouts made;
    return made;
}

void BM_StartUpPortable(benchmark::State& state)
{
    if (!layouts().ready) {
        state.SkipWithError("the book could not be laid out");
        return;
    }
    for (auto _ : state) {
        const auto form = std::make_unique<Form1>(layouts().portable.path());
        benchmark::DoNotOptimize(form->PageCount);
    }
}
BENCHMARK(BM_StartUpPortable)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_StartUpInstalled(benchmark::State& state)
{
    if (!layouts().ready) {
        state.SkipWithError("the book could not be laid out");
        return;
    }
    for (auto _ : state) {
        const auto form = std::make_unique<Form1>(layouts().installedBook());
        benchmark::DoNotOptimize(form->PageCount);
    }
}
BENCHMARK(BM_StartUpInstalled)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv) { return bench::runInApplication(argc, argv); }
