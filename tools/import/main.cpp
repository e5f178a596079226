// tintaro-import: adds parents' and teachers' own drawings to a set of the
// colouring book installed beside it, from the command line or, with
// --dialog, from a small window ("Add to Tintaro" in the file manager).
#include "import_command.h"
#include "import_dialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace {

// The tool speaks through its own messages; Qt's (a missing runtime folder,
// a decoder's complaint) would only puzzle a parent.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// --dialog among the options (before a "--" that ends them).
bool wantsDialog(int argc, char* argv[])
{
    for (int i = 1; i < argc && QByteArray(argv[i]) != "--"; ++i) {
        if (QByteArray(argv[i]) == "--dialog")
            return true;
    }
    return false;
}

int runDialog(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("tintaro-import");
    QTranslator texts;
    if (importer::loadDialogTexts(texts, QLocale()))
        QApplication::installTranslator(&texts);
    QStringList pictures = QApplication::arguments().mid(1);
    pictures.removeOne("--dialog");
    pictures.removeOne("--");
    importer::ImportDialog dialog(platform::BookFolders(QApplication::applicationDirPath()),
                                  {QApplication::applicationFilePath()}, pictures);
    dialog.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quiet);
    if (wantsDialog(argc, argv))
        return runDialog(argc, argv);
    // No window is ever shown, so no display is needed; the fonts of SVG text
    // still need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("tintaro-import");
    QTextStream out(stdout);
    QTextStream err(stderr);
    return importer::runImport(QGuiApplication::arguments(), QGuiApplication::applicationDirPath(), out, err);
}
