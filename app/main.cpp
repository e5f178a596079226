// Tintaro: a colouring book for young children. It opens with the splash
// window; a click on its drawing opens the main window.
#include "shell/main_window.h"
#include "splash/splash_window.h"

#include <QApplication>
#include <malloc.h>
#include <memory>

int main(int argc, char* argv[])
{
    // Canvas-sized images come and go with every page: give each its own
    // mapping, returned to the system when freed, rather than letting the
    // heap grow by one at every page change. Refused, it only costs memory.
    static_cast<void>(mallopt(M_MMAP_THRESHOLD, 1 << 20));
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tintaro");
    std::unique_ptr<Form1> mainWindow;
    // The splash deletes itself: closed, or gone once the main window is up.
    auto* splash = new Form2(QApplication::applicationDirPath(), mainWindow);
    splash->show();
    return QApplication::exec();
}
