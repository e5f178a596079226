// How the program's heap treats the large pictures of every page change.
#pragma once

namespace platform {

// The canvas, the page as loaded and a coloured copy are tens of megabytes
// each and are allocated and freed at every page change. Keeps such blocks in
// the heap once freed, so that the next page reuses them rather than asking
// the system for fresh memory, which it hands over cleared page by page (on
// a virtual machine, more time than decoding the page). Call once, first
// thing in main(). Refused, it only costs time.
void reuseLargeBlocks();

} // namespace platform
