// Asynchronous sounds (the stand-in for sndPlaySound with SND_ASYNC).
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Starts playing the WAV file at `path` and returns at once. A missing,
// broken or non-plain file (a pipe, a device), or no audio device, plays
// nothing and reports nothing. Each file is read once: its checked bytes are
// what is played from then on. The effect that plays it is a child of the
// application object named `path`.
void playSoundAsync(const QString& path);

// True when `wave` is a whole PCM WAV file (RIFF/WAVE with a "fmt " chunk of
// 8- or 16-bit PCM and a "data" chunk that fits in the file). The sound
// backend never finishes loading a broken file, and then blocks the program's
// exit waiting for it, so nothing else is handed to it.
bool isPlayableWave(const QByteArray& wave);

} // namespace platform
