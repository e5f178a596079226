// Fire-and-forget sounds: one cached QSoundEffect per file, owned by the
// application object, playing a sealed in-memory copy of the checked file.
#include "platform/sound.h"

#include "platform/descriptor.h"
#include "platform/plain_file.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/mman.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace platform {
namespace {

constexpr qint64 kMaxWaveBytes = 32 * 1024 * 1024;

// The checked bytes of one sound in a sealed memory file, and the effect
// that plays them. The effect opens the file by its name in /proc, which
// names this very file while it is open: nothing on disk can be swapped in
// after the check (a pipe, a cut-off file), and the seals forbid any change
// to the bytes. The effect's loader opens a descriptor of its own, so the
// order in which the two go at the end does not matter.
class SealedSound : public QObject {
public:
    SealedSound(Descriptor fd, const QString& path, QObject* parent) : QObject(parent), fd_(std::move(fd))
    {
        effect_ = new QSoundEffect(this);
        effect_->setObjectName(path);
        effect_->setSource(QUrl::fromLocalFile(QString("/proc/self/fd/%1").arg(fd_.get())));
    }

    QSoundEffect* effect() const { return effect_; }

private:
    Descriptor fd_;
    QSoundEffect* effect_ = nullptr;
};

QHash<QString, QPointer<SealedSound>>& sounds()
{
    static QHash<QString, QPointer<SealedSound>> cache;
    return cache;
}

// A read-only memory file holding `bytes`; not valid when one cannot be made.
Descriptor sealedCopy(const QByteArray& bytes)
{
    Descriptor fd(::memfd_create("tintaro-sound", MFD_CLOEXEC | MFD_ALLOW_SEALING));
    const int seals = F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL;
    if (fd.valid() && (!writeAll(fd.get(), bytes) || ::fcntl(fd.get(), F_ADD_SEALS, seals) != 0))
        fd.reset();
    return fd;
}

// The effect for the sound at `path` (an absolute path), made on first use;
// null when the file is not a playable plain WAV file.
QSoundEffect* effectFor(const QString& path)
{
    QPointer<SealedSound>& sound = sounds()[path];
    if (sound)
        return sound->effect();
    const FileContent file = readPlainFile(path, kMaxWaveBytes);
    if (!file.ok() || !isPlayableWave(file.bytes))
        return nullptr;
    Descriptor fd = sealedCopy(file.bytes);
    if (!fd.valid())
        return nullptr;
    sound = new SealedSound(std::move(fd), path, QCoreApplication::instance());
    return sound->effect();
}

// A new sound cuts off the one playing, as only one sound plays at a time.
void stopOthers(const QSoundEffect* keep)
{
    for (const QPointer<SealedSound>& sound : std::as_const(sounds())) {
        if (sound && sound->effect() != keep && sound->effect()->isPlaying())
            sound->effect()->stop();
    }
}

quint32 le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char* p) { return qFromLittleEndian<quint16>(p); }

bool isPcmFormat(const QByteArray& chunk)
{
    if (chunk.size() < 16)
        return false;
    const quint16 format = le16(chunk.constData());
    const quint16 channels = le16(chunk.constData() + 2);
    const quint16 bits = le16(chunk.constData() + 14);
    return format == 1 && channels >= 1 && channels <= 2 && (bits == 8 || bits == 16);
}

} // namespace

bool isPlayableWave(const QByteArray& data)
{
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return false;
    bool pcm = false;
    for (qint64 at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const qint64 size = le32(data.constData() + at + 4);
        if (at + 8 + size > data.size())
            return false;
        if (id == "fmt ")
            pcm = isPcmFormat(data.mid(at + 8, size));
        else if (id == "data")
            return pcm && size > 0;
        at += 8 + size + (size & 1);
    }
    return false;
}

void playSoundAsync(const QString& path)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || path.isEmpty())
        return;
    Q_ASSERT(QThread::currentThread() == app->thread());
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    QSoundEffect* effect = effectFor(QFileInfo(path).absoluteFilePath());
    if (effect == nullptr)
        return;
    stopOthers(effect);
    effect->play();
}

void keepSoundsOpen()
{
    for (const QPointer<SealedSound>& sound : std::as_const(sounds())) {
        if (sound)
            sound->setParent(nullptr);
    }
}

void endProcess(int status)
{
#if defined(__SANITIZE_ADDRESS__)
    if (__lsan_do_recoverable_leak_check() != 0 && status == 0)
        status = 1;
#endif
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace platform
