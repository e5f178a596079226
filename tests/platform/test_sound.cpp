// Asynchronous sounds: silent and immediate without a file or an audio device, one cached effect a file otherwise.
#include "platform/sound.h"

#include <QAudioDevice>
#include <QDataStream>
#include <QElapsedTimer>
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
    const auto samples = static_cast<quint32>(rate * seconds);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        out << qint16(8000 * std::sin(2 * M_PI * hertz * i / rate));
    return out.status() == QDataStream::Ok;
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
    void missingFileIsSilentAndImmediate();
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

void TestSound::missingFileIsSilentAndImmediate()
{
    QElapsedTimer timer;
    timer.start();
    playSoundAsync(dir_.filePath("sonido9.wav"));
    playSoundAsync(dir_.path());
    playSoundAsync(QString());
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(effects().isEmpty());
}

void TestSound::soundPlaysThroughOneCachedEffect()
{
    const QString first = dir_.filePath("sonido1.wav");
    const QString second = dir_.filePath("sonido2.wav");
    QElapsedTimer timer;
    timer.start();
    playSoundAsync(first);
    QVERIFY(timer.elapsed() < 1000);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        QVERIFY(effects().isEmpty());
        QSKIP("no audio output: nothing is played, as intended");
    }
    QSoundEffect* effect = effectFor(first);
    QVERIFY(effect);
    QTRY_COMPARE_WITH_TIMEOUT(effect->status(), QSoundEffect::Ready, 5000);
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
    QTRY_VERIFY_WITH_TIMEOUT(!effectFor(second)->isPlaying(), 5000);
}

QTEST_MAIN(TestSound)
#include "test_sound.moc"
