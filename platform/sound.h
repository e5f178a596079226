// Asynchronous sounds (the stand-in for sndPlaySound with SND_ASYNC).
#pragma once

#include <QString>

namespace platform {

// Starts playing the WAV file at `path` and returns at once. A missing or
// broken file, or no audio device, plays nothing and reports nothing.
void playSoundAsync(const QString& path);

} // namespace platform
