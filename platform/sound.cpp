// Fire-and-forget sounds: one cached QSoundEffect per file, owned by the application object.
#include "platform/sound.h"

#include <QAudioDevice>
#include <QFile>
#include <QtEndian>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

namespace platform {
namespace {

QHash<QString, QPointer<QSoundEffect>>& effects()
{
    static QHash<QString, QPointer<QSoundEffect>> cache;
    return cache;
}

QSoundEffect* effectFor(const QString& path)
{
    QPointer<QSoundEffect>& effect = effects()[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

// A new sound cuts off the one playing, as only one sound plays at a time.
void stopOthers(const QSoundEffect* keep)
{
    for (const QPointer<QSoundEffect>& effect : std::as_const(effects())) {
        if (effect && effect != keep && effect->isPlaying())
            effect->stop();
    }
}

constexpr qint64 kMaxWaveBytes = 32 * 1024 * 1024;

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

bool isPlayableWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxWaveBytes)
        return false;
    const QByteArray data = file.readAll();
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
    if (!app || !QFileInfo(path).isFile())
        return;
    Q_ASSERT(QThread::currentThread() == app->thread());
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    const QString key = QFileInfo(path).absoluteFilePath();
    if (!effects().contains(key) && !isPlayableWave(key))
        return;
    QSoundEffect* effect = effectFor(key);
    stopOthers(effect);
    effect->play();
}

} // namespace platform
