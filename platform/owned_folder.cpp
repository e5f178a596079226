// Walking below the owned folder with openat(O_NOFOLLOW), temporary files
// renamed into place, and deletions that look at the name, not its target.
#include "platform/owned_folder.h"

#include "platform/descriptor.h"

#include <QIODevice>

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// A folder below the root, opened, and the last name of the path in it.
struct Place {
    Descriptor folder;
    QByteArray name;
    int error = 0;
};

bool usableName(const QByteArray& name) { return !name.isEmpty() && name != "." && name != ".."; }

// Opens the folder that holds the last name of `relative`: the root as
// named, then each folder below it without following a link.
Place placeOf(const QString& root, const QString& relative)
{
    Place place;
    const QList<QByteArray> names = QFile::encodeName(relative).split('/');
    for (const QByteArray& name : names) {
        if (!usableName(name)) {
            place.error = EINVAL;
            return place;
        }
    }
    int next = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (qsizetype i = 0; next >= 0 && i + 1 < names.size(); ++i) {
        place.folder = Descriptor(next);
        next = ::openat(place.folder.get(), names[i].constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    }
    // errno is read before any close, which may change it.
    place.error = next < 0 ? errno : 0;
    place.folder = Descriptor(next);
    place.name = names.last();
    return place;
}

// A hidden name no one else uses; short, since the final name may already be long.
QByteArray temporaryName()
{
    return ".tintaro-" + QByteArray::number(QRandomGenerator::global()->generate64(), 16) + ".tmp";
}

// Hands `write` the open descriptor `fd` as a buffered device.
bool writeThrough(int fd, const OwnedFolder::Writer& write)
{
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return false;
    const bool written = write(file) && file.flush();
    file.close();
    return written;
}

// Writes a complete file under a hidden name in `folder` and returns it open
// with the name in `hiddenName`; on failure an invalid descriptor, the error
// in `error` and nothing left behind.
Descriptor writeHidden(int folder, const OwnedFolder::Writer& write, QByteArray& hiddenName, int& error)
{
    hiddenName = temporaryName();
    Descriptor file(::openat(folder, hiddenName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!file.valid()) {
        error = errno;
        return file;
    }
    errno = 0;
    // The mode does not depend on the umask: the book is read by every user of the machine.
    if (::fchmod(file.get(), 0644) == 0 && writeThrough(file.get(), write))
        return file;
    error = errno != 0 ? errno : EIO;
    ::unlinkat(folder, hiddenName.constData(), 0);
    return Descriptor();
}

// renameat2 with RENAME_NOREPLACE; where the file system lacks it, a hard
// link (which fails on a taken name) and the removal of the old name.
int renameNoReplace(int fromFolder, const char* from, int toFolder, const char* to)
{
    if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    struct stat info {};
    if (::fstatat(fromFolder, from, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode)) {
        // Folders cannot be linked: checked, then renamed (callers hold a lock against each other).
        if (::fstatat(toFolder, to, &info, AT_SYMLINK_NOFOLLOW) == 0)
            return EEXIST;
        return ::renameat(fromFolder, from, toFolder, to) == 0 ? 0 : errno;
    }
    if (::linkat(fromFolder, from, toFolder, to, 0) != 0)
        return errno;
    return ::unlinkat(fromFolder, from, 0) == 0 ? 0 : errno;
}

} // namespace

QString Change::text() const { return QString::fromLocal8Bit(std::strerror(error_)); }

PendingFile::PendingFile(Descriptor folder, Descriptor file, QByteArray hiddenName, QByteArray name, QString target,
                         bool replace)
    : folder_(std::move(folder)), file_(std::move(file)), hiddenName_(std::move(hiddenName)), name_(std::move(name)),
      target_(std::move(target)), replace_(replace)
{
}

void PendingFile::flushMeanwhile()
{
    flushed_ = std::async(std::launch::async, [fd = file_.get()] { return ::fsync(fd) == 0 ? 0 : errno; });
}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept
{
    if (this != &other) {
        abandon();
        folder_ = std::move(other.folder_);
        file_ = std::move(other.file_);
        flushed_ = std::move(other.flushed_);
        hiddenName_ = std::move(other.hiddenName_);
        name_ = std::move(other.name_);
        target_ = std::move(other.target_);
        replace_ = other.replace_;
        error_ = std::exchange(other.error_, 0);
    }
    return *this;
}

Change PendingFile::commit()
{
    int error = std::exchange(error_, 0);
    if (file_.valid()) {
        const int folder = folder_.get();
        error = flushed_.valid() ? flushed_.get() : (::fsync(file_.get()) == 0 ? 0 : errno);
        file_.reset();
        if (error == 0)
            error = replace_ ? (::renameat(folder, hiddenName_.constData(), folder, name_.constData()) == 0 ? 0 : errno)
                             : renameNoReplace(folder, hiddenName_.constData(), folder, name_.constData());
        if (error != 0)
            ::unlinkat(folder, hiddenName_.constData(), 0);
    }
    folder_.reset();
    target_.clear();
    return Change(error);
}

void PendingFile::abandon()
{
    if (file_.valid()) {
        if (flushed_.valid())
            flushed_.wait(); // the thread still uses the descriptor
        file_.reset();
        ::unlinkat(folder_.get(), hiddenName_.constData(), 0);
    }
    folder_.reset();
    target_.clear();
    error_ = 0;
}

PendingFile OwnedFolder::startWriting(const QString& relative, const Writer& write, bool replace) const
{
    Place place = placeOf(root_, relative);
    if (place.error != 0)
        return PendingFile(place.error);
    QByteArray hiddenName;
    int error = 0;
    Descriptor file = writeHidden(place.folder.get(), write, hiddenName, error);
    if (!file.valid())
        return PendingFile(error);
    return PendingFile(std::move(place.folder), std::move(file), hiddenName, place.name, relative, replace);
}

PendingFile OwnedFolder::startReplacing(const QString& relative, const Writer& write) const
{
    PendingFile pending = startWriting(relative, write, true);
    if (!pending.target().isEmpty())
        pending.flushMeanwhile();
    return pending;
}

OwnedFolder::Writer OwnedFolder::bytesWriter(const QByteArray& bytes)
{
    return [bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); };
}

Change OwnedFolder::replaceFile(const QString& relative, const Writer& write) const
{
    return startWriting(relative, write, true).commit();
}

Change OwnedFolder::createFile(const QString& relative, const QByteArray& bytes) const
{
    return startWriting(relative, bytesWriter(bytes), false).commit();
}

Change OwnedFolder::makeFolder(const QString& relative) const
{
    const Place place = placeOf(root_, relative);
    if (place.error != 0)
        return Change(place.error);
    return Change(::mkdirat(place.folder.get(), place.name.constData(), 0755) == 0 ? 0 : errno);
}

Change OwnedFolder::move(const QString& from, const QString& to, bool replace) const
{
    const Place source = placeOf(root_, from);
    const Place target = placeOf(root_, to);
    if (source.error != 0 || target.error != 0)
        return Change(source.error != 0 ? source.error : target.error);
    const int a = source.folder.get();
    const int b = target.folder.get();
    if (replace)
        return Change(::renameat(a, source.name.constData(), b, target.name.constData()) == 0 ? 0 : errno);
    return Change(renameNoReplace(a, source.name.constData(), b, target.name.constData()));
}

Change OwnedFolder::removeFile(const QString& relative) const
{
    const Place place = placeOf(root_, relative);
    if (place.error != 0)
        return Change(place.error);
    struct stat info {};
    if (::fstatat(place.folder.get(), place.name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return Change(errno);
    if (S_ISDIR(info.st_mode))
        return Change(EISDIR);
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
        return Change(EPERM);
    return Change(::unlinkat(place.folder.get(), place.name.constData(), 0) == 0 ? 0 : errno);
}

Change OwnedFolder::removeFolder(const QString& relative) const
{
    const Place place = placeOf(root_, relative);
    if (place.error != 0)
        return Change(place.error);
    return Change(::unlinkat(place.folder.get(), place.name.constData(), AT_REMOVEDIR) == 0 ? 0 : errno);
}

} // namespace platform
