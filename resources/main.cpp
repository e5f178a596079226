// tintaro-resources: lays out Tintaro's program folder with every shipped
// file and, when a second folder is given, the desktop files installed
// beside it (icons and the list of the book's files). --pages N draws only
// the first N pages of each set, for a quick look at the rest.
#include "desktop_folder.h"
#include "program_folder.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

bool reported(const resources::FolderReport& report, QTextStream& err)
{
    for (const QString& path : report.failures)
        err << "tintaro-resources: could not write " << path << "\n";
    return report.failures.isEmpty();
}

} // namespace

int main(int argc, char* argv[])
{
    // Image writers (JPEG) are plugins and the SVG painter needs fonts:
    // both want a GUI application, which needs no display offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    int pagesPerSet = resources::kEveryPage;
    if (args.size() > 2 && args.at(1) == "--pages") {
        bool number = false;
        pagesPerSet = args.at(2).toInt(&number);
        if (!number || pagesPerSet < 1)
            args.clear();
        else
            args.remove(1, 2);
    }
    if (args.size() != 2 && args.size() != 3) {
        err << "usage: tintaro-resources [--pages <pages per set>] <program folder> [<desktop folder>]\n";
        return 2;
    }
    const resources::FolderReport book = resources::writeProgramFolder(args.at(1), pagesPerSet);
    bool ok = reported(book, err);
    if (args.size() == 3)
        ok = reported(resources::writeDesktopFolder(args.at(2), book.written), err) && ok;
    return ok ? 0 : 1;
}
