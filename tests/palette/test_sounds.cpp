// The pick and undo sounds: started without waiting for them, and nothing
// else depends on them (missing files, no audio device).
#include "tests/support/colouring_form.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QProcess>
#include <QtEndian>

using testsupport::ColouringForm;

namespace {

constexpr int kToneMilliseconds = 3000;

QImage outlinedBox()
{
    return testsupport::outlinedPage({60, 40}, {{10, 10, 30, 20}});
}

// A mono 16-bit PCM WAV file holding a tone of the given length.
QByteArray toneWav(int milliseconds)
{
    const int rate = 22050;
    const int samples = rate * milliseconds / 1000;
    QByteArray data(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(qint16(((i / 25) % 2) ? 6000 : -6000), data.data() + 2 * i);
    QByteArray wav;
    auto u32 = [&wav](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto u16 = [&wav](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    wav.append("RIFF");
    u32(36 + quint32(data.size()));
    wav.append("WAVEfmt ");
    u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
    wav.append("data");
    u32(quint32(data.size()));
    return wav + data;
}

int playingStreams()
{
    QProcess pactl;
    pactl.start("pactl", {"list", "short", "sink-inputs"});
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0)
        return -1;
    return int(pactl.readAllStandardOutput().count('\n'));
}

} // namespace

class SoundsTest : public QObject {
    Q_OBJECT
private slots:
    void picksAndUndoWorkWhateverTheSound_data();
    void picksAndUndoWorkWhateverTheSound();
    void soundsPlayWhileTheHandlersReturn();
};

void SoundsTest::picksAndUndoWorkWhateverTheSound_data()
{
    QTest::addColumn<bool>("withFiles");
    QTest::newRow("sound files") << true;
    QTest::newRow("no sound files") << false;
}

void SoundsTest::picksAndUndoWorkWhateverTheSound()
{
    QFETCH(bool, withFiles);
    ColouringForm f("animales.gif", outlinedBox());
    if (withFiles) {
        f.folder.writeText("sonidos/sonido4.wav", toneWav(200));
        f.folder.writeText("sonidos/sonido5.wav", toneWav(200));
    }
    const QImage start = f.image();
    testsupport::clickBox(f.form->Picture6, {10, 2 * testsupport::kBandHeight + 5});
    QCOMPARE(f.colour(), qRgb(200, 100, 0));
    testsupport::clickBox(f.form->Picture2[3], {5, 5});
    QCOMPARE(f.colour(), qRgb(224, 124, 24));
    f.click({20, 20});
    QCOMPARE(f.image().pixel(20, 20), qRgb(224, 124, 24));
    f.form->Command6_Click();
    QCOMPARE(f.image(), start);
    QCOMPARE(f.form->SnapshotIndex, std::int16_t(0));
}

void SoundsTest::soundsPlayWhileTheHandlersReturn()
{
    if (QMediaDevices::audioOutputs().isEmpty())
        QSKIP("no audio device");
    if (playingStreams() != 0)
        QSKIP("the sound server cannot be asked, or plays other streams");
    ColouringForm f("animales.gif", outlinedBox());
    f.folder.writeText("sonidos/sonido4.wav", toneWav(kToneMilliseconds));
    f.folder.writeText("sonidos/sonido5.wav", toneWav(kToneMilliseconds));
    testsupport::clickBox(f.form->Picture6, {10, 5});
    // A handler that waited for its sound would return after the tone: it must still be playing.
    QTRY_VERIFY_WITH_TIMEOUT(playingStreams() > 0, kToneMilliseconds);
    if (!QTest::qWaitFor([] { return playingStreams() == 0; }, 3 * kToneMilliseconds))
        QSKIP("the sound server keeps playing other streams");

    f.click({20, 20});
    f.form->Command6_Click();
    QTRY_VERIFY_WITH_TIMEOUT(playingStreams() > 0, kToneMilliseconds);
}

QTEST_MAIN(SoundsTest)
#include "test_sounds.moc"
