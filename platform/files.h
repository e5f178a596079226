// Files and folders as the program looks at them.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace platform {

// The bare file name when a plain file of exactly that name (letter case
// included, on every file system) exists at `fullPath`, else an empty text.
QString fileLookup(const QString& fullPath);

// The first line of a text file without its line end ("\n", "\r\n" or "\r").
// A missing, unreadable, non-plain (a pipe, a device) or empty file gives an
// empty text. Reads at most the first 64 KiB.
QString readFirstLine(const QString& fullPath);

// The plain files of `folder` (no folders, no hidden files), sorted by name in
// one fixed byte-wise order of their UTF-8 names. A missing folder gives an
// empty list.
QStringList listPlainFiles(const QString& folder);

// The names of the plain files in one folder, read once, for loops that would
// otherwise look up many names one by one (page counting, clean-up).
class FolderListing {
public:
    explicit FolderListing(const QString& folder);
    // Same answer as fileLookup(folder + "/" + name) at the time of reading.
    bool contains(const QString& name) const { return names_.contains(name); }

private:
    QSet<QString> names_;
};

} // namespace platform
