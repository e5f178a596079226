// Placing the controls from the screen's size.
#include "shell/main_window.h"

void Form1::ArrangeControls() {}
