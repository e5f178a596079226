// Writing, renaming and deleting below the folder the program writes to,
// never through a link: a link in that folder (a coloured copy, a logo, a
// set folder a teacher linked from elsewhere) never leads a write outside.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

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
    QString root_;
};

} // namespace platform
