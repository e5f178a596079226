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

// Writes a complete temporary file in `folder`, named in `name`; 0 or the error.
int writeTemporary(int folder, const OwnedFolder::Writer& write, QByteArray& name)
{
    name = temporaryName();
    const Descriptor file(::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!file.valid())
        return errno;
    errno = 0;
    // The mode does not depend on the umask: the book is read by every user of the machine.
    if (::fchmod(file.get(), 0644) == 0 && writeThrough(file.get(), write) && ::fsync(file.get()) == 0)
        return 0;
    const int error = errno != 0 ? errno : EIO;
    ::unlinkat(folder, name.constData(), 0);
    return error;
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

Change writeFile(const QString& root, const QString& relative, const OwnedFolder::Writer& write, bool replace)
{
    const Place place = placeOf(root, relative);
    if (place.error != 0)
        return Change(place.error);
    QByteArray temporary;
    if (const int error = writeTemporary(place.folder.get(), write, temporary); error != 0)
        return Change(error);
    const int fd = place.folder.get();
    const int error = replace ? (::renameat(fd, temporary.constData(), fd, place.name.constData()) == 0 ? 0 : errno)
                              : renameNoReplace(fd, temporary.constData(), fd, place.name.constData());
    if (error != 0)
        ::unlinkat(fd, temporary.constData(), 0);
    return Change(error);
}

} // namespace

QString Change::text() const { return QString::fromLocal8Bit(std::strerror(error_)); }

OwnedFolder::Writer OwnedFolder::bytesWriter(const QByteArray& bytes)
{
    return [bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); };
}

Change OwnedFolder::replaceFile(const QString& relative, const Writer& write) const
{
    return writeFile(root_, relative, write, true);
}

Change OwnedFolder::createFile(const QString& relative, const QByteArray& bytes) const
{
    return writeFile(root_, relative, bytesWriter(bytes), false);
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
