// The book as the build lays it out, copied for a benchmark to work on, and
// the main of the benchmarks that open the main window.
#pragma once

#include <QString>

namespace bench {

// Copies the resources of the program folder `from` into `to` (no coloured
// copies); false when nothing could be copied or a copy failed.
bool copyShippedBook(const QString& from, const QString& to);

// Runs the benchmarks named on the command line inside a QApplication (on
// the offscreen platform unless QT_QPA_PLATFORM says otherwise), as the
// main window needs one.
int runInApplication(int argc, char** argv);

} // namespace bench
