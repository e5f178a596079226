// The rules of the colouring book on disk: names, counting, sizes.
#include "book/book_rules.h"

namespace book {
namespace {

constexpr int kExtensionLength = 4; // ".gif", ".bmp"

} // namespace

QString pageFileName(int n) { return QString::number(n) + QLatin1String(".gif"); }
QString copyFileName(int n) { return QString::number(n) + QLatin1String(".bmp"); }
QString setFolderPath(const QString& set) { return QLatin1String("dibujos/") + set; }
QString pagePath(const QString& set, int n) { return setFolderPath(set) + '/' + pageFileName(n); }
QString copyPath(const QString& set, int n) { return setFolderPath(set) + '/' + copyFileName(n); }
QString logoPath(const QString& set) { return logoFilePath(set + QLatin1String(".gif")); }
QString logoFilePath(const QString& logoFileName) { return QLatin1String("logos/") + logoFileName; }

int countPages(const std::function<bool(const QString&)>& hasFile)
{
    int n = 0;
    while (n < kMaxPages && hasFile(pageFileName(n + 1)))
        ++n;
    return n;
}

QString setNameProblem(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("the set name is empty");
    if (name.contains('/') || name.contains('\\'))
        return QStringLiteral("a set name cannot contain / or \\");
    if (name.startsWith('.'))
        return QStringLiteral("a set name cannot begin with a dot");
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("a set name cannot contain control characters");
    }
    return {};
}

QString setNameOfLogo(const QString& logoFileName)
{
    if (logoFileName.size() < kExtensionLength)
        return {};
    const QString name = logoFileName.chopped(kExtensionLength);
    return setNameProblem(name).isEmpty() ? name : QString();
}

bool isForYoungest(const QString& setName) { return setName.contains(QLatin1String("peque")); }

} // namespace book
