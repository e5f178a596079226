// Opening without blocking, checking the descriptor, reading within a bound.
#include "platform/plain_file.h"

#include "platform/descriptor.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

FileContent failed(ReadStatus status, qint64 size = 0) { return {status, {}, size}; }

// Reads until the end of the file or `limit` + 1 bytes, whichever comes first:
// the size fstat gives may be stale, so the extra byte tells a longer file.
bool readUpTo(int fd, qint64 limit, qint64 expected, QByteArray& bytes)
{
    bytes.resize(static_cast<qsizetype>(std::min(limit, expected) + 1));
    qint64 have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > limit)
                break;
            bytes.resize(static_cast<qsizetype>(std::min(limit + 1, have * 2 + 4096)));
        }
        const ssize_t got = ::read(fd, bytes.data() + have, static_cast<size_t>(bytes.size() - have));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        have += got;
    }
    bytes.resize(static_cast<qsizetype>(have));
    return true;
}

FileContent readBounded(const QString& path, qint64 limit, bool prefix)
{
    Q_ASSERT(limit >= 0);
    // O_NONBLOCK: opening a pipe with no writer returns at once; it changes
    // nothing for a plain file, the only kind read on.
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return failed(errno == ENOENT || errno == ENOTDIR || errno == ELOOP ? ReadStatus::Missing : ReadStatus::Failed);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return failed(ReadStatus::Failed);
    if (!S_ISREG(info.st_mode))
        return failed(ReadStatus::NotPlain);
    const qint64 size = info.st_size;
    if (size > limit && !prefix)
        return failed(ReadStatus::TooLarge, size);
    FileContent content{ReadStatus::Read, {}, size};
    if (!readUpTo(fd.get(), limit, size, content.bytes))
        return failed(ReadStatus::Failed, size);
    if (content.bytes.size() > limit) {
        if (!prefix)
            return failed(ReadStatus::TooLarge, content.bytes.size());
        content.bytes.truncate(static_cast<qsizetype>(limit));
    }
    return content;
}

} // namespace

FileContent readPlainFile(const QString& path, qint64 limit) { return readBounded(path, limit, false); }

FileContent readPlainFilePrefix(const QString& path, qint64 limit) { return readBounded(path, limit, true); }

} // namespace platform
