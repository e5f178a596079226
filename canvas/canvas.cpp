// Presses on the canvas and the colour fill.
#include "shell/main_window.h"

void Form1::Picture1_MouseDown(int, int, float, float) {}
void Form1::Picture1_MouseMove(int, int, float, float) {}
void Form1::Picture1_MouseUp(int, int, float, float) {}
void Form1::ColourFill(float, float) {}
void Form1::PencilPress(float, float) {}
void Form1::StraightLinePress(float, float) {}
