// Tintaro: a colouring book for young children. It opens with the splash
// window; a click on its drawing opens the main window. A second start while
// it runs brings the running window to the front and ends.
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "splash/splash_window.h"

#include <QApplication>
#include <QPointer>
#include <malloc.h>
#include <memory>

namespace {

void bringToFront(QWidget* window)
{
    if (window == nullptr || !window->isVisible())
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char* argv[])
{
    // Canvas-sized images come and go with every page: give each its own
    // mapping, returned to the system when freed, rather than letting the
    // heap grow by one at every page change. Refused, it only costs memory.
    static_cast<void>(mallopt(M_MMAP_THRESHOLD, 1 << 20));
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tintaro");
    const QString folder = QApplication::applicationDirPath();
    // Before any window and any file: two programs on one folder would save
    // over each other's pages, or clean away the other's copies at start.
    SingleInstance instance(folder);
    if (!instance.claim())
        return 0;
    std::unique_ptr<Form1> mainWindow;
    // The splash deletes itself: closed, or gone once the main window is up.
    const QPointer<Form2> splash = new Form2(folder, mainWindow);
    QObject::connect(&instance, &SingleInstance::showRequested, &app, [&mainWindow, &splash] {
        bringToFront(mainWindow ? static_cast<QWidget*>(mainWindow.get()) : splash.data());
    });
    splash->show();
    return QApplication::exec();
}
