// The set's files on disk: numbering, its logo, and writing new files all or none.
#include "set_folder.h"

#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <unistd.h>

namespace importer {
namespace {

constexpr QFileDevice::Permissions kShared =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// The temporary file is renamed into place by a call that refuses to replace.
QString writeNew(const NewFile& file)
{
    QTemporaryFile temporary(QFileInfo(file.path).dir().filePath(".tintaro-import-XXXXXX"));
    if (!temporary.open())
        return temporary.errorString();
    const bool written = temporary.write(file.bytes) == file.bytes.size() && temporary.flush() &&
                         ::fsync(temporary.handle()) == 0 && temporary.setPermissions(kShared);
    if (!written)
        return temporary.errorString();
    if (QFileInfo::exists(file.path))
        return "the file exists already";
    if (!temporary.rename(file.path))
        return QFileInfo::exists(file.path) ? "the file exists already" : temporary.errorString();
    temporary.setAutoRemove(false);
    return {};
}

QString writeReplacing(const NewFile& file)
{
    QSaveFile save(file.path);
    if (!save.open(QIODevice::WriteOnly))
        return save.errorString();
    if (save.write(file.bytes) != file.bytes.size()) {
        save.cancelWriting();
        return save.errorString();
    }
    return save.commit() ? QString() : save.errorString();
}

// The folders above `path` that do not exist yet, deepest first.
QStringList missingFolders(const QString& path)
{
    QStringList missing;
    for (QDir dir = QFileInfo(path).dir(); !dir.exists(); dir.setPath(QFileInfo(dir.path()).path()))
        missing << dir.path();
    return missing;
}

// Removes what a failed call created; returns what could not be removed.
QStringList undo(const QStringList& created, const QStringList& folders)
{
    QStringList left;
    for (const QString& path : created) {
        if (!QFile::remove(path))
            left << path;
    }
    for (const QString& folder : folders) {
        if (QFileInfo(folder).isDir() && !QDir().rmdir(folder))
            left << folder;
    }
    return left;
}

QString failure(const QString& why, const QStringList& created, const QStringList& folders)
{
    const QStringList left = undo(created, folders);
    if (left.isEmpty())
        return why;
    return why + "; these could not be removed again: " + left.join(", ");
}

} // namespace

QString setNameProblem(const QString& name)
{
    if (name.isEmpty())
        return "the set name is empty";
    if (name.contains('/') || name.contains('\\'))
        return "a set name cannot contain / or \\";
    if (name.startsWith('.'))
        return "a set name cannot begin with a dot";
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return "a set name cannot contain control characters";
    }
    return {};
}

SetFolder::SetFolder(const QString& programFolder, const QString& name)
    : programFolder_(programFolder), name_(name)
{
    Q_ASSERT(setNameProblem(name).isEmpty());
}

int SetFolder::pageCount() const
{
    const platform::FolderListing pages(absolute("dibujos/" + name_));
    int n = 0;
    while (pages.contains(QString::number(n + 1) + ".gif"))
        ++n;
    return n;
}

QString SetFolder::logoFile() const
{
    for (const QString& file : platform::listPlainFiles(absolute("logos"))) {
        if (file.size() >= 4 && file.chopped(4) == name_)
            return "logos/" + file;
    }
    return {};
}

QString SetFolder::firstTaken(int first, int last) const
{
    for (int n = first; n <= last; ++n) {
        for (const QString& extension : {QStringLiteral(".gif"), QStringLiteral(".bmp")}) {
            const QString relative = QString("dibujos/%1/%2%3").arg(name_, QString::number(n), extension);
            if (QFileInfo::exists(absolute(relative)))
                return relative;
        }
    }
    return {};
}

QString writeAll(const std::vector<NewFile>& files)
{
    QStringList created;
    QStringList folders;
    for (const NewFile& file : files) {
        const QStringList missing = missingFolders(file.path);
        if (!missing.isEmpty() && !QDir().mkpath(QFileInfo(file.path).path()))
            return failure("cannot create the folder " + missing.first(), created, missing + folders);
        folders = missing + folders;
        const QString problem = file.mayReplace ? writeReplacing(file) : writeNew(file);
        if (!problem.isEmpty())
            return failure(QString("cannot write %1: %2").arg(file.path, problem), created, folders);
        if (!file.mayReplace)
            created << file.path;
    }
    return {};
}

} // namespace importer
