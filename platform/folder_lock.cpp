// QLockFile as the program's folders need it.
#include "platform/folder_lock.h"

#include <QFile>
#include <QLockFile>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// QLockFile reads a lock file it finds to judge whether its holder lives: a
// link, a pipe or a device under the lock's name would be read through (or
// wait forever). Only a lock file it made is a plain file, so anything else
// under that name, in the folder's own entry, goes first.
void clearStrangeEntry(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))
        static_cast<void>(::unlink(name.constData())); // if it stays, the lock cannot be taken: Unavailable
}

} // namespace

FolderLock::FolderLock(const QString& folder, const QString& name)
    : lock_(std::make_unique<QLockFile>(folder + "/" + name))
{
    clearStrangeEntry(folder + "/" + name);
    // QLockFile takes this second lock while it removes a stale one.
    clearStrangeEntry(folder + "/" + name + ".rmlock");
    // The default takes a lock over after 30 s even from a live holder; a
    // program runs for hours. A dead holder is still found by its process id.
    lock_->setStaleLockTime(0);
}

FolderLock::~FolderLock() = default;

FolderLock::Result FolderLock::lock(int waitMs)
{
    if (lock_->tryLock(waitMs))
        return Result::Locked;
    return lock_->error() == QLockFile::LockFailedError ? Result::Busy : Result::Unavailable;
}

} // namespace platform
