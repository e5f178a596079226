// One program per writable folder: a second start shows the running window
// and ends, before it opens a window or touches a file.
#pragma once

#include "platform/folder_lock.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // For the folder the program writes to (today the program folder).
    explicit SingleInstance(const QString& writableFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the one to run: it holds the folder's lock
    // file, or no lock file can be made there (a read-only folder, where
    // nothing can be saved anyway) and no program answers for the folder. It
    // then listens for later starts. False when another program runs on the
    // folder: it has been asked to show itself, and this one must end.
    bool claim();

    // The name of the local socket of the program that runs on `writableFolder`.
    static QString serverName(const QString& writableFolder);

signals:
    // A later start asked the running program to show its window.
    void showRequested();

private:
    bool askRunningToShow(int waitMs) const;
    void listen();
    void answer();
    void readRequests(QLocalSocket* socket);

    QString folder_;
    platform::FolderLock lock_;
    QLocalServer* server_ = nullptr;
};
