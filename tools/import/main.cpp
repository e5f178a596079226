// tintaro-import: adds parents' and teachers' own drawings to a set of the
// colouring book installed beside it.
#include "import_command.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

// The tool speaks through its own messages; Qt's (a missing runtime folder,
// a decoder's complaint) would only puzzle a parent.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

int main(int argc, char* argv[])
{
    // No window is ever shown, so no display is needed; the fonts of SVG text
    // still need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("tintaro-import");
    QTextStream out(stdout);
    QTextStream err(stderr);
    return importer::runImport(QGuiApplication::arguments(), QGuiApplication::applicationDirPath(), out, err);
}
