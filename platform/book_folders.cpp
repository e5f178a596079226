// The two layouts of the book on disk: which folder answers each read and
// which one takes each write.
#include "platform/book_folders.h"

#include "book/book_rules.h"
#include "platform/files.h"
#include "platform/owned_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>

namespace platform {
namespace {

bool isPlainName(const QString& set) { return book::setNameProblem(set).isEmpty(); }

// "/a/b.gif": a leading "/", then names that never climb out with "..".
bool isInsideRelative(const QString& relative)
{
    if (!relative.startsWith('/') || relative.contains(QChar(0)))
        return false;
    const QStringList parts = relative.split('/', Qt::SkipEmptyParts);
    return !parts.contains(QStringLiteral(".."));
}

// The XDG data home; relative values do not count, as the XDG rules say.
// Without a home folder there is nowhere of the user's own to write.
QString dataHomeFromEnvironment()
{
    if (const QString xdg = qEnvironmentVariable("XDG_DATA_HOME"); QDir::isAbsolutePath(xdg))
        return xdg;
    const QString home = qEnvironmentVariable("HOME");
    return QDir::isAbsolutePath(home) ? home + QLatin1String("/.local/share") : QString();
}

// The system settings of an install below `prefix`: /etc/tintaro for the
// system's own prefix /usr, <prefix>/etc/tintaro for any other, as
// GNUInstallDirs lays them out.
QString settingsOfPrefix(const QString& prefix)
{
    return (prefix == QLatin1String("/usr") ? QString() : prefix) + QLatin1String("/etc/tintaro");
}

// The page and copy names of one set's folder in the shipped and the user's
// folder, read once. In the portable layout both are the program folder.
class SetListings {
public:
    SetListings(const QString& shippedFolder, const QString& userFolder) : shipped_(shippedFolder)
    {
        if (!userFolder.isEmpty() && userFolder != shippedFolder)
            user_.emplace(userFolder);
        else if (!userFolder.isEmpty())
            userIsShipped_ = true;
    }
    bool hasPage(const QString& page) const { return shipped_.contains(page) || (user_ && user_->contains(page)); }
    bool userHas(const QString& name) const
    {
        return userIsShipped_ ? shipped_.contains(name) : user_ && user_->contains(name);
    }

private:
    platform::FolderListing shipped_;
    std::optional<platform::FolderListing> user_;
    bool userIsShipped_ = false;
};

} // namespace

BookFolders::BookFolders(const QString& executableFolder)
    : BookFolders(executableFolder, dataHomeFromEnvironment(),
                  settingsOfPrefix(QDir::cleanPath(executableFolder + QLatin1String("/.."))))
{
}

BookFolders::BookFolders(const QString& executableFolder, const QString& dataHome, const QString& settingsFolder)
    : portable_(QFileInfo(executableFolder + QLatin1String("/logos")).isDir())
{
    if (portable_) {
        shipped_ = executableFolder;
        user_ = executableFolder;
        settings_ = executableFolder + QLatin1String("/configuracion");
        return;
    }
    // Relative to the executable, so that the installed tree can be moved.
    shipped_ = QDir::cleanPath(executableFolder + QLatin1String("/../share/tintaro"));
    if (!dataHome.isEmpty())
        user_ = QDir::cleanPath(dataHome + QLatin1String("/tintaro"));
    settings_ = settingsFolder;
}

BookFolders BookFolders::portableAt(const QString& programFolder)
{
    BookFolders book(programFolder, QString(), QString());
    book.portable_ = true;
    book.shipped_ = programFolder;
    book.user_ = programFolder;
    book.settings_ = programFolder + QLatin1String("/configuracion");
    return book;
}

QString BookFolders::shippedFile(const QString& relative) const { return shipped_ + relative; }

QString BookFolders::userFile(const QString& relative) const
{
    return user_.isEmpty() ? QString() : user_ + relative;
}

QString BookFolders::readPath(const QString& relative) const
{
    if (!isInsideRelative(relative))
        return {};
    if (portable_)
        return shippedFile(relative);
    const QString mine = userFile(relative);
    const QString name = relative.section('/', -1);
    if (!mine.isEmpty() && !name.isEmpty() && platform::fileLookup(mine) == name)
        return mine;
    return shippedFile(relative);
}

QString BookFolders::writePath(const QString& relative) const
{
    return isInsideRelative(relative) ? userFile(relative) : QString();
}

bool BookFolders::prepareFolder(const QString& relative) const
{
    if (user_.isEmpty() || !isInsideRelative(relative))
        return false;
    // The program folder comes with its folders, as the generator made them.
    if (portable_)
        return true;
    // The user's folder itself is trusted as named, like the home it is in;
    // what lies below it is the program's own and never followed as a link.
    if (!QDir().mkpath(user_))
        return false;
    const platform::OwnedFolder folder(user_);
    QString path;
    for (const QString& part : relative.split('/', Qt::SkipEmptyParts)) {
        path += (path.isEmpty() ? QString() : QStringLiteral("/")) + part;
        if (const platform::Change made = folder.makeFolder(path); !made.ok() && made.error() != EEXIST)
            return false;
    }
    return true;
}

QString BookFolders::settingPath(const QString& name) const
{
    if (!isPlainName(name))
        return {};
    const QString relative = QLatin1String("/configuracion/") + name;
    if (portable_)
        return shippedFile(relative);
    // A teacher's file in the system folder counts unless the user has one.
    // With neither, the shipped defaults apply rather than an absent file,
    // which would make every start delete the children's colouring.
    QStringList candidates;
    if (!user_.isEmpty())
        candidates << userFile(relative);
    if (!settings_.isEmpty())
        candidates << settings_ + '/' + name;
    for (const QString& candidate : std::as_const(candidates)) {
        if (platform::fileLookup(candidate) == name)
            return candidate;
    }
    return shippedFile(relative);
}

QStringList BookFolders::listing(const QString& folder) const
{
    if (!isInsideRelative(folder))
        return {};
    QStringList names = platform::listPlainFiles(shippedFile(folder));
    if (portable_ || user_.isEmpty())
        return names;
    names += platform::listPlainFiles(userFile(folder));
    // The same byte-wise order of UTF-8 names as one folder's listing.
    const auto byBytes = [](const QString& a, const QString& b) { return QFile::encodeName(a) < QFile::encodeName(b); };
    std::sort(names.begin(), names.end(), byBytes);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

QString BookFolders::pagePath(const QString& set, int pageNumber) const
{
    if (!isPlainName(set))
        return {};
    return readPath('/' + book::pagePath(set, pageNumber));
}

QString BookFolders::copyPath(const QString& set, int pageNumber) const
{
    if (!isPlainName(set))
        return {};
    return writePath('/' + book::copyPath(set, pageNumber));
}

int BookFolders::pageCount(const QString& set) const
{
    if (!isPlainName(set))
        return 0;
    const QString folder = '/' + book::setFolderPath(set);
    const SetListings pages(shippedFile(folder), userFile(folder));
    return book::countPages([&](const QString& f) { return pages.hasPage(f); });
}

QStringList BookFolders::copiesToClear() const
{
    QStringList copies;
    if (user_.isEmpty())
        return copies;
    for (const QString& entry : setEntries()) {
        const QString set = book::setNameOfLogo(entry);
        if (set.isEmpty())
            continue;
        const QString folder = '/' + book::setFolderPath(set);
        const SetListings pages(shippedFile(folder), userFile(folder));
        for (int n = 1; pages.hasPage(book::pageFileName(n)); ++n) {
            const QString copy = book::copyFileName(n);
            if (pages.userHas(copy))
                copies << userFile(folder + '/' + copy);
        }
    }
    return copies;
}

} // namespace platform
