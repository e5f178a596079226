// Copying the built book for the benchmarks, and their main.
#include "bench/shipped_book.h"

#include <QApplication>

#include <malloc.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace bench {

bool copyShippedBook(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    bool any = false;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(from).relativeFilePath(file);
        if (relative.endsWith(".bmp") && relative.startsWith("dibujos/"))
            continue;
        if (!QDir().mkpath(QFileInfo(to + "/" + relative).path()) || !QFile::copy(file, to + "/" + relative))
            return false;
        any = true;
    }
    return any;
}

int runInApplication(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The heap as the program sets it up (app/main.cpp): large pictures in
    // their own mappings, so that memory and page changes measure as it runs.
    static_cast<void>(mallopt(M_MMAP_THRESHOLD, 1 << 20));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
