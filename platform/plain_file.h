// Reading files the program did not make itself: only plain files, never more
// than the caller's limit, and never a wait on a pipe or a device.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

enum class ReadStatus {
    Read,      // the bytes are the whole file (or its first `limit` bytes, when asked for a prefix)
    Missing,   // no such file, or a link that leads nowhere
    NotPlain,  // a folder, pipe, device or socket
    TooLarge,  // more than `limit` bytes
    Failed,    // it could not be opened or read
};

struct FileContent {
    ReadStatus status = ReadStatus::Failed;
    QByteArray bytes;
    qint64 size = 0; // the file's size as its descriptor reports it (also when TooLarge)

    bool ok() const { return status == ReadStatus::Read; }
};

// Reads the whole plain file at `path` when it holds at most `limit` bytes.
// Links are followed (a set folder linked from a shared drive reads as its
// own), but the kind of file is judged on the opened descriptor, and the
// open itself never waits for a writer, so a named pipe or a link to a
// device is refused at once.
FileContent readPlainFile(const QString& path, qint64 limit);

// The same, but a longer file gives its first `limit` bytes (status Read).
FileContent readPlainFilePrefix(const QString& path, qint64 limit);

} // namespace platform
