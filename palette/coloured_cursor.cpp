// The arrow pointer in the current colour.
#include "shell/main_window.h"

void Form1::UpdateColourCursor() {}
