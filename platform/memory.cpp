// The heap's settings for the large pictures of every page change.
#include "platform/memory.h"

#include <malloc.h>

namespace platform {
namespace {

// Above the largest picture (a 3840 x 2160 canvas, 33 MB), so that none is
// given a mapping of its own and unmapped when freed.
constexpr int kLargestBlockInHeap = 64 << 20;
// Freed memory at the top of the heap kept for reuse: a page change's worth,
// so that resident memory stays within a page change of its working set.
constexpr int kKeptAtTop = 64 << 20;

} // namespace

void reuseLargeBlocks()
{
    // Either call refused leaves glibc's own choice, which is only slower.
    static_cast<void>(mallopt(M_MMAP_THRESHOLD, kLargestBlockInHeap));
    static_cast<void>(mallopt(M_TRIM_THRESHOLD, kKeptAtTop));
}

} // namespace platform
