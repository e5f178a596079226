// The command line of tintaro-import:
//   tintaro-import --set NAME [--logo PICTURE] [--close N] [--folder DIR] PICTURE...
// Every picture becomes a clean page appended to the set, after its last page.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace importer {

enum ExitStatus {
    kImported = 0,   // every picture was added (or --help was asked for)
    kRefused = 1,    // a picture, the set or the folder was refused; nothing changed
    kUsage = 2,      // the command line was wrong; nothing changed
    kNotWritten = 3, // writing failed; what was written was removed again
};

// Runs the importer on `arguments` (the program's name first). The program
// folder is `defaultFolder` unless --folder names another. What was done goes
// to `out`, each problem to `err`. Returns an ExitStatus.
int runImport(const QStringList& arguments, const QString& defaultFolder, QTextStream& out,
              QTextStream& err);

} // namespace importer
