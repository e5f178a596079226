// The small or large palette for the current set.
#include "shell/main_window.h"

void Form1::SwitchPalette() {}
