// tintaro-resources: lays out Tintaro's program folder with every shipped file.
#include "program_folder.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv); // the image writer plugins (JPEG) need it
    QTextStream err(stderr);
    if (app.arguments().size() != 2) {
        err << "usage: tintaro-resources <program folder>\n";
        return 2;
    }
    const QStringList failures = resources::writeProgramFolder(app.arguments().at(1));
    for (const QString& path : failures)
        err << "tintaro-resources: could not write " << path << "\n";
    return failures.isEmpty() ? 0 : 1;
}
