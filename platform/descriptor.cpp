// Closing descriptors and writing to them.
#include "platform/descriptor.h"

#include <cerrno>
#include <unistd.h>

namespace platform {

void Descriptor::reset()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace platform
