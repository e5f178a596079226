// Small things many tests need: a PCM wave file, the digest of a file's bytes
// and the colours of a picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSet>
#include <QString>

namespace testsupport {

// A mono 16-bit PCM WAV file at `rate` samples a second holding `samples`.
QByteArray waveFile(const QList<qint16>& samples, int rate = 22050);

// SHA-256 of the bytes of the file at `path`; empty when it cannot be read.
QByteArray fileBytesDigest(const QString& path);

// The distinct pixel values of `image` (as pixel() gives them, alpha kept).
QSet<QRgb> coloursOf(const QImage& image);

} // namespace testsupport
