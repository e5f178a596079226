// The pages of "animales" drawn in their own file.
#pragma once

#include "book.h"

namespace resources {

void elephant(QPainter& p);
void giraffe(QPainter& p);
void turtle(QPainter& p);
void lion(QPainter& p);
void rabbit(QPainter& p);

} // namespace resources
