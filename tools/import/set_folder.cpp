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

SetFolder::SetFolder(const platform::BookFolders& book, const QString& name) : book_(book), name_(name)
{
    Q_ASSERT(book::setNameProblem(name).isEmpty());
}

int SetFolder::pageCount() const
{
    return book_.pageCount(name_);
}

QString SetFolder::logoFile() const
{
    for (const QString& file : book_.setEntries()) {
        if (book::setNameOfLogo(file) == name_)
            return book::logoFilePath(file);
    }
    return {};
}

int SetFolder::pageHolding(const QByteArray& gif) const
{
    for (int n = pageCount(); n >= 1; --n) {
        // A page of another size is told apart without reading it.
        const platform::FileContent page = platform::readPlainFile(readPath(pagePath(n)), gif.size());
        if (page.ok() && page.bytes == gif)
            return n;
    }
    return 0;
}

bool SetFolder::isLinked() const { return QFileInfo(book_.writePath("/" + folderPath())).isSymLink(); }

QString SetFolder::firstTaken(int first, int last) const
{
    for (int n = first; n <= last; ++n) {
        for (const QString& relative : {book::pagePath(name_, n), book::copyPath(name_, n)}) {
            const QString shipped = book_.shippedFolder() + "/" + relative;
            if (nameTaken(book_.writePath("/" + relative)) || nameTaken(shipped))
                return relative;
        }
    }
    return {};
}

} // namespace importer
