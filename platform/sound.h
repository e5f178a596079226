// Asynchronous sounds (the stand-in for sndPlaySound with SND_ASYNC).
#pragma once

#include <QString>

namespace platform {

// Starts playing the WAV file at `path` and returns at once. A missing or
// broken file, or no audio device, plays nothing and reports nothing.
void playSoundAsync(const QString& path);

// True when `path` is a whole PCM WAV file (RIFF/WAVE with a "fmt " chunk of
// 8- or 16-bit PCM and a "data" chunk that fits in the file). The sound
// backend never finishes loading a broken file, and then blocks the program's
// exit waiting for it, so nothing else is handed to it.
bool isPlayableWave(const QString& path);

} // namespace platform
