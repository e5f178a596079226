// Wave files, file digests and colour sets for tests.
#include "tests/support/samples.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtEndian>

namespace testsupport {

QByteArray waveFile(const QList<qint16>& samples, int rate)
{
    QByteArray wav;
    auto u32 = [&wav](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto u16 = [&wav](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    const auto dataBytes = quint32(samples.size() * 2);
    wav.append("RIFF");
    u32(36 + dataBytes);
    wav.append("WAVEfmt ");
    u32(16), u16(1), u16(1), u32(quint32(rate)), u32(quint32(rate) * 2), u16(2), u16(16);
    wav.append("data");
    u32(dataBytes);
    for (const qint16 sample : samples)
        u16(quint16(sample));
    return wav;
}

QByteArray fileBytesDigest(const QString& path)
{
    QFile file(path);
    QCryptographicHash sha(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !sha.addData(&file))
        return {};
    return sha.result();
}

QSet<QRgb> coloursOf(const QImage& image)
{
    // ARGB32 holds each pixel as pixel() gives it. A run of one colour is
    // counted once: pages are mostly long runs, and large.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (x == 0 || row[x] != row[x - 1])
                colours.insert(row[x]);
    }
    return colours;
}

} // namespace testsupport
