// The set's files on disk: numbering, its logo, its pages.
#include "set_folder.h"

#include "platform/files.h"
#include "platform/plain_file.h"

#include <QFileInfo>

namespace importer {
namespace {

// Whether anything at all holds the name, a dangling link included.
bool nameTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
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

int SetFolder::pageHolding(const QByteArray& gif) const
{
    for (int n = pageCount(); n >= 1; --n) {
        // A page of another size is told apart without reading it.
        const platform::FileContent page = platform::readPlainFile(absolute(pagePath(n)), gif.size());
        if (page.ok() && page.bytes == gif)
            return n;
    }
    return 0;
}

bool SetFolder::isLinked() const { return QFileInfo(absolute(folderPath())).isSymLink(); }

QString SetFolder::firstTaken(int first, int last) const
{
    for (int n = first; n <= last; ++n) {
        for (const QString& extension : {QStringLiteral(".gif"), QStringLiteral(".bmp")}) {
            const QString relative = QString("dibujos/%1/%2%3").arg(name_, QString::number(n), extension);
            if (nameTaken(absolute(relative)))
                return relative;
        }
    }
    return {};
}

} // namespace importer
