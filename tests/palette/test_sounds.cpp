// The pick and undo sounds: started without waiting for them, and nothing
// else depends on them (missing files, no audio device).
#include "tests/support/sound_test_main.h"
#include "tests/support/colouring_form.h"
#include "tests/support/samples.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QProcess>

using testsupport::ColouringForm;

namespace {

// Long enough that a loaded machine starts the stream while it still plays.
constexpr int kToneMilliseconds = 8000;

QImage outlinedBox()
{
    return testsupport::outlinedPage({60, 40}, {{10, 10, 30, 20}});
}

// A mono 16-bit PCM WAV file holding a square tone of the given length.
QByteArray toneWav(int milliseconds)
{
    const int rate = 22050;
    QList<qint16> samples(rate * milliseconds / 1000);
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i] = qint16(((i / 25) % 2) ? 6000 : -6000);
    return testsupport::waveFile(samples, rate);
}

int playingStreams()
{
    QProcess pactl;
    pactl.start("pactl", {"list", "short", "sink-inputs"});
    if (!pactl.waitForFinished(30000) || pactl.exitCode() != 0)
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
    // A handler that waited for its sound would return after the tone ended:
    // the tone still playing once it has returned shows it did not wait.
    QTRY_VERIFY_WITH_TIMEOUT(playingStreams() > 0, kToneMilliseconds);
    if (!QTest::qWaitFor([] { return playingStreams() == 0; }, 3 * kToneMilliseconds))
        QSKIP("the sound server keeps playing other streams");

    f.click({20, 20});
    f.form->Command6_Click();
    QTRY_VERIFY_WITH_TIMEOUT(playingStreams() > 0, kToneMilliseconds);
}

int main(int argc, char** argv) { return testsupport::runSoundTest<SoundsTest>(argc, argv); }
#include "test_sounds.moc"
