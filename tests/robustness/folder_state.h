// What a folder tree holds, to show what a run wrote and what it left alone.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace robustness {

// Relative path -> kind, size, modification time and SHA-1 of every entry.
using FolderState = QMap<QString, QString>;

// Every file, folder and link below `root`, except below the relative
// folder `skip` (empty: none skipped).
FolderState folderState(const QString& root, const QString& skip = {});

// One line for each entry added, removed or changed from `before` to `after`.
QStringList differences(const FolderState& before, const FolderState& after);

// Live heap bytes of this process (the sanitizer's count in a sanitizer build).
qint64 heapInUse();

} // namespace robustness
