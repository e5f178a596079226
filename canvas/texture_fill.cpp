// The texture fill.
#include "shell/main_window.h"

void Form1::TextureFill(float, float) {}
