// Colour picking: the palette strip, the shade swatches and the pen-size box.
#include "shell/main_window.h"

void Form1::Picture6_MouseDown(int, int, float, float) {}
void Form1::Picture2_MouseDown(int, int, int, float, float) {}
void Form1::Picture4_Click() {}
void Form1::UpdateShadeSwatches() {}
void Form1::DrawIndicatorDot() {}
