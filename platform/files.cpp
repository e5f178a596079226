// File lookup, first-line reading and sorted folder listings.
#include "platform/files.h"

#include "platform/plain_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <sys/stat.h>

namespace platform {
namespace {

constexpr qint64 kFirstLineLimit = 64 * 1024;

bool isPlainFile(const QByteArray& path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// The names of the plain files of `folder` (links to plain files included),
// as QDir lists them. A name that does not survive decoding and encoding
// again could not be opened by the rest of the program: its encoded form
// names no plain file, so it is not listed.
QStringList plainFileNames(const QString& folder, bool withHidden)
{
    const QDir::Filters filters = QDir::Files | (withHidden ? QDir::Hidden : QDir::Filters());
    QStringList names = QDir(folder).entryList(filters, QDir::Unsorted);
    const QByteArray base = QFile::encodeName(folder) + '/';
    names.removeIf([&](const QString& name) { return !isPlainFile(base + QFile::encodeName(name)); });
    return names;
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
    const QDir::Filters every = QDir::AllEntries | QDir::Hidden | QDir::System;
    if (!QDir(info.path()).entryList(every, QDir::Unsorted).contains(info.fileName(), Qt::CaseSensitive))
        return {};
    return info.fileName();
}

QString readFirstLine(const QString& fullPath)
{
    return decodeLine(readPlainFilePrefix(fullPath, kFirstLineLimit).bytes);
}

// In the order of the names' stored bytes, whatever the locale.
QStringList listPlainFiles(const QString& folder)
{
    QStringList names = plainFileNames(folder, false);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QFile::encodeName(a) < QFile::encodeName(b); });
    return names;
}

FolderListing::FolderListing(const QString& folder)
{
    for (const QString& name : plainFileNames(folder, true))
        names_.insert(name);
}

} // namespace platform
