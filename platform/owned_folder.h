// Writing, renaming and deleting below the folder the program writes to,
// never through a link: a link in that folder (a coloured copy, a logo, a
// set folder a teacher linked from elsewhere) never leads a write outside.
#pragma once

#include "platform/descriptor.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <future>
#include <utility>

class QIODevice;

namespace platform {

// How a change went: no error, or the errno that stopped it.
class [[nodiscard]] Change {
public:
    Change() = default;
    explicit Change(int error) : error_(error) {}
    bool ok() const { return error_ == 0; }
    int error() const { return error_; }
    // The system's description of the error, for messages.
    QString text() const;

private:
    int error_ = 0;
};

// A file written in full under a hidden name beside the name it is for, not
// yet known to be on the disk. `commit` waits until it is (fsync) and then
// gives the file its name; no reader sees the new file before. Started by
// startReplacing, a thread of its own waits for the disk meanwhile, so the
// caller can do other work first. Dropped without a commit, the hidden file
// is removed and whatever held the name stays as it was.
class PendingFile {
public:
    PendingFile() = default; // nothing pending: commit() succeeds at once
    PendingFile(PendingFile&& other) noexcept { *this = std::move(other); }
    PendingFile& operator=(PendingFile&& other) noexcept;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile() { abandon(); }

    // The path, relative to its owned folder, the file is for (empty when nothing is pending).
    const QString& target() const { return target_; }
    // Waits for the file to reach the disk and renames it into place: over
    // whatever held the name, or (made by createFile) EEXIST when the name
    // is taken. Afterwards nothing is pending. An error in writing it shows here.
    Change commit();

private:
    friend class OwnedFolder;
    explicit PendingFile(int error) : error_(error) {}
    PendingFile(Descriptor folder, Descriptor file, QByteArray hiddenName, QByteArray name, QString target,
                bool replace);
    void abandon();
    // Waits for the disk on a thread of its own from now on.
    void flushMeanwhile();

    Descriptor folder_;
    Descriptor file_;
    std::future<int> flushed_; // fsync's errno, or 0, when flushed meanwhile
    QByteArray hiddenName_;
    QByteArray name_;
    QString target_;
    bool replace_ = true;
    int error_ = 0;
};

// A folder the program owns and writes into. The root is trusted as named
// (it may be reached through links); below it, every folder on the way to a
// name is opened without following links, so a path that runs through a
// link fails (ELOOP or ENOTDIR) instead of writing where the link leads.
// Relative paths are names joined by "/", none empty, "." or ".." (EINVAL).
class OwnedFolder {
public:
    explicit OwnedFolder(const QString& root) : root_(root) {}

    const QString& root() const { return root_; }
    QString path(const QString& relative) const { return root_ + "/" + relative; }

    // What writes a file's content into the device it is given; false when
    // it could not write all of it.
    using Writer = std::function<bool(QIODevice&)>;
    static Writer bytesWriter(const QByteArray& bytes);

    // Writes a plain file (mode 0644) named `relative` with `write`: into a
    // hidden temporary file beside it, flushed to disk, then renamed over the
    // name, so a reader (or a run killed half-way) sees the old file or the
    // new one, never part of one. Whatever held the name is replaced: a link
    // becomes a plain file in its place and its target is never touched.
    Change replaceFile(const QString& relative, const Writer& write) const;
    Change replaceFile(const QString& relative, const QByteArray& bytes) const
    {
        return replaceFile(relative, bytesWriter(bytes));
    }
    // replaceFile in two steps: the file is written now and reaches the disk
    // while the caller goes on; PendingFile::commit completes the replacement.
    PendingFile startReplacing(const QString& relative, const Writer& write) const;
    // The same, but never replaces anything: EEXIST when the name is taken,
    // even by a dangling link or by a file that appears meanwhile.
    Change createFile(const QString& relative, const QByteArray& bytes) const;
    // Creates the folder `relative` (mode 0755) in an existing folder; EEXIST when the name is taken.
    Change makeFolder(const QString& relative) const;
    // Renames a file or folder; with `replace` false, EEXIST when `to` is taken.
    Change move(const QString& from, const QString& to, bool replace) const;
    // Deletes a plain file or a link (the link, never its target); anything
    // else is refused (EISDIR for a folder, EPERM for a pipe or device).
    Change removeFile(const QString& relative) const;
    // Deletes an empty folder (a link to a folder is refused with ENOTDIR).
    Change removeFolder(const QString& relative) const;

private:
    PendingFile startWriting(const QString& relative, const Writer& write, bool replace) const;

    QString root_;
};

} // namespace platform
