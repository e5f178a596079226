// Icons and the installed file list, written next to the program folder.
#include "desktop_folder.h"

#include "app_icon.h"
#include "output.h"

namespace resources {

FolderReport writeDesktopFolder(const QString& folder, const QStringList& bookFiles)
{
    FolderWriter out(folder);
    const QString name = QLatin1String(kAppId);
    for (int size : kIconSizes)
        out.put(QString("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(name), encodeImage(appIcon(size), "PNG"));
    out.put("icons/hicolor/scalable/apps/" + name + ".svg", appIconSvg());
    out.put("book-files.txt", bookFiles.join('\n').toUtf8() + '\n');
    return {out.written(), out.failures()};
}

} // namespace resources
