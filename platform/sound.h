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

// Qt's PulseAudio client can crash while a stream closes, now and then under
// load; at the end of the program that would turn a clean exit into a crash
// report. So the sounds' streams are never closed: keepSoundsOpen() takes the
// effects away from the application object (call it before that goes, once
// nothing plays any more), and endProcess() then ends the process without
// running the static destructors, the sound client's among them.
void keepSoundsOpen();

// Flushes the standard streams and ends the process with `status` at once.
// Sanitizer builds look for leaks first, and a leak fails a clean status.
[[noreturn]] void endProcess(int status);

} // namespace platform
