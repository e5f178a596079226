// File lookup, first-line reading and sorted folder listings.
#include "platform/files.h"

#include "platform/plain_file.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace platform {
namespace {

constexpr qint64 kFirstLineLimit = 64 * 1024;

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool isPlainFile(const QByteArray& path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// A name that does not survive decoding and encoding again could not be
// opened by the rest of the program, so it is not listed.
bool usableName(const QByteArray& name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

// The names (as stored, in bytes) of the plain files of `folder`.
std::vector<QByteArray> plainFileNames(const QString& folder, bool withHidden)
{
    std::vector<QByteArray> names;
    const QByteArray base = QFile::encodeName(folder) + '/';
    const std::unique_ptr<DIR, DirCloser> dir(opendir(base.constData()));
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == ".." || (!withHidden && name.startsWith('.')))
            continue;
        if (usableName(name) && isPlainFile(base + name))
            names.push_back(name);
    }
    return names;
}

// True when the folder holds an entry stored under exactly `name` (bytes).
bool folderHoldsExactName(const QByteArray& folder, const QByteArray& name)
{
    const std::unique_ptr<DIR, DirCloser> dir(opendir(folder.constData()));
    if (!dir)
        return false;
    while (const dirent* entry = readdir(dir.get())) {
        if (name == entry->d_name)
            return true;
    }
    return false;
}

QString decodeLine(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const qsizetype end = bytes.indexOf('\n');
    const qsizetype cr = bytes.indexOf('\r');
    qsizetype cut = end;
    if (cr >= 0 && (cut < 0 || cr < cut))
        cut = cr;
    return QString::fromUtf8(cut >= 0 ? bytes.left(cut) : bytes);
}

} // namespace

QString fileLookup(const QString& fullPath)
{
    const QFileInfo info(fullPath);
    const QByteArray name = QFile::encodeName(info.fileName());
    if (name.isEmpty() || !isPlainFile(QFile::encodeName(fullPath)))
        return {};
    // A case-insensitive file system finds BORRA.TXT under borra.txt: the
    // folder must hold the name exactly as asked.
    if (!folderHoldsExactName(QFile::encodeName(info.path()), name))
        return {};
    return info.fileName();
}

QString readFirstLine(const QString& fullPath)
{
    return decodeLine(readPlainFilePrefix(fullPath, kFirstLineLimit).bytes);
}

QStringList listPlainFiles(const QString& folder)
{
    std::vector<QByteArray> names = plainFileNames(folder, false);
    std::sort(names.begin(), names.end());
    QStringList list;
    list.reserve(static_cast<qsizetype>(names.size()));
    for (const QByteArray& name : names)
        list.append(QFile::decodeName(name));
    return list;
}

FolderListing::FolderListing(const QString& folder)
{
    for (const QByteArray& name : plainFileNames(folder, true))
        names_.insert(QFile::decodeName(name));
}

} // namespace platform
