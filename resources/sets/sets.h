// One function per drawing set of the book.
#pragma once

#include "book.h"

namespace resources {

BookSet pequenosSet();
BookSet animalesSet();
BookSet pequeanimalesSet();
BookSet marSet();
BookSet vehiculosSet();
BookSet espacioSet();
BookSet granjaSet();
BookSet castilloSet();

} // namespace resources
