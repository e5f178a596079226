// The door button: keep the page and leave.
#include "shell/main_window.h"

void Form1::Command2_Click() {}
