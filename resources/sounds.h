// The five action sounds, synthesised as 16-bit mono PCM wave files.
#pragma once

#include <QByteArray>

namespace resources {

inline constexpr int kSampleRate = 44100;

// Sound n (1 next page, 2 previous page, 3 next set, 4 pick or erase, 5 undo)
// as the bytes of a WAV file: under 0.6 s, peak near -3 dBFS, faded in and out.
QByteArray soundFile(int n);

} // namespace resources
