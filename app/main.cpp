// Tintaro: a colouring book for young children.
#include "shell/main_window.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tintaro");
    Form1 window(QApplication::applicationDirPath());
    QObject::connect(&window, &Form1::quitRequested, &app, &QApplication::quit, Qt::QueuedConnection);
    window.setGeometry(window.screen()->geometry());
    window.showFullScreen();
    return QApplication::exec();
}
