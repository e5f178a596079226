// The print button: the canvas on one page of the default printer.
#include "shell/main_window.h"

void Form1::Command8_Click() {}
