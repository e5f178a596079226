// The lock file and the local socket that keep one program per folder.
#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace {

const QString kLockName = ".tintaro.lock";
const QByteArray kShow = "show\n";
// A program that holds the lock may still be starting: its socket comes a
// moment after the lock. Beyond this, the second start ends all the same.
constexpr int kStartingWaitMs = 10000;
constexpr int kAttemptMs = 200;

} // namespace

SingleInstance::SingleInstance(const QString& writableFolder, QObject* parent)
    : QObject(parent), folder_(writableFolder), lock_(writableFolder, kLockName)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& writableFolder)
{
    const QFileInfo info(writableFolder);
    const QString canonical = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray digest = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString("tintaro-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest.left(20)));
}

bool SingleInstance::claim()
{
    switch (lock_.lock(0)) {
    case platform::FolderLock::Result::Locked:
        listen();
        return true;
    case platform::FolderLock::Result::Busy:
        // Shown or not, the folder is another program's: this one ends.
        static_cast<void>(askRunningToShow(kStartingWaitMs));
        return false;
    case platform::FolderLock::Result::Unavailable:
        break;
    }
    if (askRunningToShow(0))
        return false;
    listen();
    return true;
}

// Connects to the running program and asks it to show itself, trying again
// for up to `waitMs` while its socket may not be listening yet.
bool SingleInstance::askRunningToShow(int waitMs) const
{
    const QDeadlineTimer deadline(waitMs);
    do {
        QLocalSocket socket;
        socket.connectToServer(serverName(folder_));
        if (socket.waitForConnected(kAttemptMs)) {
            socket.write(kShow);
            const bool sent = socket.waitForBytesWritten(kAttemptMs * 5);
            socket.disconnectFromServer();
            return sent;
        }
        // A refused connection comes back at once: pause before the next try.
        if (!deadline.hasExpired())
            QThread::msleep(kAttemptMs / 4);
    } while (!deadline.hasExpired());
    return false;
}

void SingleInstance::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName(folder_);
    // A socket file left by a program that died is in the way; this process
    // holds the lock (or no lock can exist), so no live program owns it.
    if (!server_->listen(name) && QLocalServer::removeServer(name) && !server_->listen(name))
        return; // later starts cannot reach this one; they still end at the lock
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

void SingleInstance::answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequests(socket); });
        // What came with the connection is not announced again.
        readRequests(socket);
    }
}

void SingleInstance::readRequests(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        if (socket->readLine() == kShow)
            emit showRequested();
    }
}
