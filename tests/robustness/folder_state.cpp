// Folder snapshots and the heap figure the robustness tests compare.
#include "tests/robustness/folder_state.h"
#include "tests/support/samples.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <malloc.h>
#if defined(__SANITIZE_ADDRESS__)
// From the address sanitizer's runtime; gcc ships no header declaring it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace robustness {
namespace {

QString describe(const QFileInfo& info)
{
    const QString when = QString::number(info.lastModified().toMSecsSinceEpoch());
    if (info.isSymLink())
        return "link " + info.symLinkTarget();
    if (info.isDir())
        return "folder " + when;
    const QByteArray digest = testsupport::fileBytesDigest(info.filePath());
    return QString("file %1 %2 %3").arg(info.size()).arg(when, digest.isEmpty() ? "unreadable" : digest.toHex());
}

} // namespace

FolderState folderState(const QString& root, const QString& skip)
{
    FolderState state;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = base.relativeFilePath(path);
        if (!skip.isEmpty() && relative.startsWith(skip + "/"))
            continue;
        state.insert(relative, describe(it.fileInfo()));
    }
    return state;
}

QStringList differences(const FolderState& before, const FolderState& after)
{
    QStringList lines;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            lines << "removed " + it.key();
        else if (after.value(it.key()) != it.value())
            lines << "changed " + it.key() + ": " + it.value() + " -> " + after.value(it.key());
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (!before.contains(it.key()))
            lines << "added " + it.key() + ": " + it.value();
    return lines;
}

qint64 heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<qint64>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<qint64>(info.uordblks + info.hblkhd);
#endif
}

} // namespace robustness
