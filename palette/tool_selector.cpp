// The tool selector: fill, pencil and straight line.
#include "shell/main_window.h"

void Form1::LoadToolIcons() {}
void Form1::Image2_Click(int) {}
