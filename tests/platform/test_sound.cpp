// Asynchronous sounds: silent without a file or an audio device, one cached effect a file otherwise.
#include "platform/sound.h"

#include "tests/support/sound_test_main.h"
#include "tests/support/samples.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <sys/stat.h>

using namespace platform;

namespace {

// A short 16-bit mono PCM tone.
bool writeTone(const QString& path, double hertz, double seconds)
{
    const int rate = 22050;
    QList<qint16> samples(qsizetype(rate * seconds));
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i] = qint16(8000 * std::sin(2 * M_PI * hertz * double(i) / rate));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(testsupport::waveFile(samples, rate)) > 0;
}

QList<QSoundEffect*> effects()
{
    return QCoreApplication::instance()->findChildren<QSoundEffect*>();
}

QSoundEffect* effectFor(const QString& path)
{
    for (QSoundEffect* effect : effects()) {
        if (effect->objectName() == path)
            return effect;
    }
    return nullptr;
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void missingFileIsSilent();
    void onlyWholePcmWavesArePlayable();
    void soundPlaysThroughOneCachedEffect();

private:
    QTemporaryDir dir_;
};

void TestSound::initTestCase()
{
    QVERIFY(dir_.isValid());
    QVERIFY(writeTone(dir_.filePath("sonido1.wav"), 440, 0.3));
    QVERIFY(writeTone(dir_.filePath("sonido2.wav"), 660, 0.3));
}

void TestSound::onlyWholePcmWavesArePlayable()
{
    QFile original(dir_.filePath("sonido1.wav"));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    QVERIFY(isPlayableWave(bytes));
    QVERIFY(!isPlayableWave(bytes.left(bytes.size() / 2)));
    QVERIFY(!isPlayableWave(bytes.left(30)));
    QVERIFY(!isPlayableWave({}));
    QVERIFY(!isPlayableWave("RIFF this is not a sound at all"));
    QByteArray float32 = bytes;
    float32[20] = 3; // IEEE float samples
    QVERIFY(!isPlayableWave(float32));
    // A broken file, a pipe or a device is never handed to the sound backend.
    QFile truncated(dir_.filePath("truncated.wav"));
    QVERIFY(truncated.open(QIODevice::WriteOnly) && truncated.write(bytes.left(bytes.size() / 2)) > 0);
    truncated.close();
    QVERIFY(::mkfifo(QFile::encodeName(dir_.filePath("pipe.wav")).constData(), 0644) == 0);
    QVERIFY(QFile::link("/dev/zero", dir_.filePath("zero.wav")));
    for (const char* name : {"truncated.wav", "pipe.wav", "zero.wav"}) {
        playSoundAsync(dir_.filePath(name));
        QVERIFY(effectFor(dir_.filePath(name)) == nullptr);
    }
}

void TestSound::missingFileIsSilent()
{
    playSoundAsync(dir_.filePath("sonido9.wav"));
    playSoundAsync(dir_.path());
    playSoundAsync(QString());
    QVERIFY(effects().isEmpty());
}

void TestSound::soundPlaysThroughOneCachedEffect()
{
    const QString first = dir_.filePath("sonido1.wav");
    const QString second = dir_.filePath("sonido2.wav");
    playSoundAsync(first);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        QVERIFY(effects().isEmpty());
        QSKIP("no audio output: nothing is played, as intended");
    }
    QSoundEffect* effect = effectFor(first);
    QVERIFY(effect);
    QTRY_COMPARE_WITH_TIMEOUT(effect->status(), QSoundEffect::Ready, 30000);
    // It plays the bytes checked at first use, whatever happens to the file since.
    QVERIFY(QFile::remove(first));
    QVERIFY(::mkfifo(QFile::encodeName(first).constData(), 0644) == 0);
    playSoundAsync(first);
    QCOMPARE(effects().size(), 1);
    QVERIFY(effect->isPlaying());
    // A new sound cuts off the one still playing.
    playSoundAsync(second);
    QCOMPARE(effects().size(), 2);
    QVERIFY(!effect->isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!effectFor(second)->isPlaying(), 30000);
}

int main(int argc, char** argv) { return testsupport::runSoundTest<TestSound>(argc, argv); }
#include "test_sound.moc"
