// Stepping through the texture list.
#pragma once

namespace palette {

// The entry `step` places from `index` in a ring of `count` entries, both
// ways round (0 follows the last, the last precedes 0); 0 for an empty list.
int steppedTextureIndex(int index, int step, int count);

} // namespace palette
