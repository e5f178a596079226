// Tintaro: a colouring book for young children. It opens with the splash
// window; a click on its drawing opens the main window.
#include "platform/memory.h"
#include "shell/main_window.h"
#include "splash/splash_window.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    platform::reuseLargeBlocks();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tintaro");
    std::unique_ptr<Form1> mainWindow;
    // The splash deletes itself: closed, or gone once the main window is up.
    auto* splash = new Form2(QApplication::applicationDirPath(), mainWindow);
    splash->show();
    return QApplication::exec();
}
