// The door button: keep the page and leave.
#include "shell/main_window.h"

#include <QApplication>

void Form1::Command2_Click()
{
    SavePage();
    // Every window goes at once, so that nothing more reaches the program
    // while main() ends it.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    emit quitRequested();
}
