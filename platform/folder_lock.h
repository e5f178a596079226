// A lock file in a folder the program writes to, held by one process at a
// time (QLockFile): a lock left by a process that died is taken over, a live
// holder keeps it however long it runs.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace platform {

class FolderLock {
public:
    // The lock file `name` (a hidden plain name) in `folder`; nothing is taken yet.
    FolderLock(const QString& folder, const QString& name);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    enum class Result {
        Locked,      // this process holds the lock until the object goes
        Busy,        // another live process holds it (still, after `waitMs`)
        Unavailable, // no lock file can be made there (a read-only folder)
    };
    // Takes the lock, waiting up to `waitMs` for another holder to let go.
    Result lock(int waitMs);

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace platform
