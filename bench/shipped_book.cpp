// Copying the built book for the benchmarks, and their main.
#include "bench/shipped_book.h"

#include <QApplication>
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
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
