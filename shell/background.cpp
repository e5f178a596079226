// The tiled window background.
#include "shell/main_window.h"

#include <QPainter>

void Form1::Form_Paint(QPainter& painter) { TileBackground(painter, ProgramPath("/fondo.jpg")); }
void Form1::TileBackground(QPainter&, const QString&) {}
