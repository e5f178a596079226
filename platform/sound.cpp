// Fire-and-forget sounds: one cached QSoundEffect per file, owned by the application object.
#include "platform/sound.h"

#include <QAudioDevice>
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

} // namespace

void playSoundAsync(const QString& path)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !QFileInfo(path).isFile())
        return;
    Q_ASSERT(QThread::currentThread() == app->thread());
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    QSoundEffect* effect = effectFor(QFileInfo(path).absoluteFilePath());
    stopOthers(effect);
    effect->play();
}

} // namespace platform
