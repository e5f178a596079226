// One function per drawing set of the book.
#pragma once

#include "book.h"

namespace resources {

BookSet pequenosSet();
BookSet animalesSet();

} // namespace resources
