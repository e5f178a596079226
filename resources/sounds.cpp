// The five action sounds, synthesised as 16-bit mono PCM wave files.
#include "sounds.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace resources {
namespace {

using Samples = std::vector<double>;

// One bell-like note: a sine with a soft second and third partial, struck and
// decaying. Starts at `start` seconds into `out`.
void addNote(Samples& out, double start, double frequency, double length, double level)
{
    const auto first = std::size_t(start * kSampleRate);
    const auto count = std::size_t(length * kSampleRate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double phase = 2 * std::numbers::pi * frequency * t;
        const double tone = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase);
        out[first + i] += level * tone * std::exp(-5.0 * t / length);
    }
}

// A sine whose pitch slides from `from` to `to` Hz over the whole buffer.
void addGlide(Samples& out, double from, double to, double level)
{
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double f = from * std::pow(to / from, double(i) / double(out.size()));
        phase += 2 * std::numbers::pi * f / kSampleRate;
        out[i] += level * (std::sin(phase) + 0.2 * std::sin(2 * phase));
    }
}

// Raised-cosine fades, so the first and last samples are silent and nothing clicks.
void fade(Samples& s, double inSeconds, double outSeconds)
{
    const auto in = std::size_t(inSeconds * kSampleRate);
    const auto out = std::size_t(outSeconds * kSampleRate);
    for (std::size_t i = 0; i < s.size(); ++i) {
        double gain = 1;
        if (i < in)
            gain = 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(in));
        const std::size_t fromEnd = s.size() - 1 - i;
        if (fromEnd < out)
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(fromEnd) / double(out));
        s[i] *= gain;
    }
}

// Scales the loudest sample to -3 dBFS.
void normalise(Samples& s)
{
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::abs(v));
    const double target = std::pow(10.0, -3.0 / 20.0);
    for (double& v : s)
        v *= peak > 0 ? target / peak : 0;
}

Samples seconds(double length) { return Samples(std::size_t(length * kSampleRate), 0.0); }

// Next page: a rising pair of bell notes; previous page: the same pair falling.
Samples pair(bool rising)
{
    Samples s = seconds(0.36);
    addNote(s, 0.00, rising ? 659.25 : 987.77, 0.20, 1.0);
    addNote(s, 0.11, rising ? 987.77 : 659.25, 0.25, 1.0);
    return s;
}

// Next set: a bright rising arpeggio, C E G C.
Samples arpeggio()
{
    Samples s = seconds(0.55);
    const double notes[] = {523.25, 659.25, 783.99, 1046.50};
    for (int i = 0; i < 4; ++i)
        addNote(s, 0.09 * i, notes[i], 0.30, 1.0);
    return s;
}

// Pick or erase: a short round drop, pitch rising.
Samples drop()
{
    Samples s = seconds(0.13);
    addGlide(s, 900, 1500, 1.0);
    return s;
}

// Undo: a soft downward swoop.
Samples swoop()
{
    Samples s = seconds(0.32);
    addGlide(s, 880, 330, 1.0);
    return s;
}

Samples synthesise(int n)
{
    Samples s = n <= 2 ? pair(n == 1) : n == 3 ? arpeggio() : n == 4 ? drop() : swoop();
    fade(s, 0.004, n == 4 ? 0.06 : 0.08);
    normalise(s);
    return s;
}

void appendLe32(QByteArray& b, quint32 v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    b.append(bytes, 4);
}

void appendLe16(QByteArray& b, quint16 v)
{
    char bytes[2];
    qToLittleEndian(v, bytes);
    b.append(bytes, 2);
}

QByteArray waveFile(const Samples& samples)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray b;
    b.append("RIFF");
    appendLe32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    appendLe32(b, 16);
    appendLe16(b, 1);                  // PCM
    appendLe16(b, 1);                  // mono
    appendLe32(b, kSampleRate);
    appendLe32(b, kSampleRate * 2);    // bytes a second
    appendLe16(b, 2);                  // bytes a frame
    appendLe16(b, 16);                 // bits a sample
    b.append("data");
    appendLe32(b, dataBytes);
    for (double v : samples)
        appendLe16(b, quint16(qint16(std::lround(std::clamp(v, -1.0, 1.0) * 32767))));
    return b;
}

} // namespace

QByteArray soundFile(int n) { return waveFile(synthesise(n)); }

} // namespace resources
