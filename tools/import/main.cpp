// tintaro-import: adds parents' and teachers' own drawings to a set of the
// colouring book installed beside it, from the command line or, with
// --dialog, from a small window ("Add to Tintaro" in the file manager).
#include "import_command.h"
#include "import_dialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTranslator>

namespace {

// Qt's remarks that a parent can do nothing about, beside the tool's own
// words on pictures it cannot use: the image decoders' on files they read all
// the same (libpng's on a damaged text chunk or colour profile, common in
// downloaded pictures) and the SVG renderer's on parts of a drawing it leaves
// out.
constexpr char kQuietCategories[] = "qt.gui.imageio.info=false\n"
                                   "qt.gui.imageio.warning=false\n"
                                   "qt.svg.warning=false";

// Run outside a desktop session (from cron, sudo, a test), Qt warns while the
// application starts that XDG_RUNTIME_DIR is not set, a folder the tool never
// uses. That warning has no category of its own: Qt's uncategorised warnings
// are quiet until the application has started, and only then.
void quietWhileStarting() { QLoggingCategory::setFilterRules(QString(kQuietCategories) + "\ndefault.warning=false"); }
void started() { QLoggingCategory::setFilterRules(kQuietCategories); }

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
    started();
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
    quietWhileStarting();
    if (wantsDialog(argc, argv))
        return runDialog(argc, argv);
    // No window is ever shown, so no display is needed; the fonts of SVG text
    // still need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    started();
    QGuiApplication::setApplicationName("tintaro-import");
    QTextStream out(stdout);
    QTextStream err(stderr);
    return importer::runImport(QGuiApplication::arguments(), QGuiApplication::applicationDirPath(), out, err);
}
