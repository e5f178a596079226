// The texture box: choosing and stepping through textures.
#include "shell/main_window.h"

void Form1::Picture7_MouseDown(int, int, float, float) {}
