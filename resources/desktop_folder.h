// The files installed beside the book for the desktop: the icon at every
// size menus and file managers ask for, and the list of the book's files.
#pragma once

#include "program_folder.h"

#include <QString>
#include <QStringList>

namespace resources {

// The name of the icon, the desktop entry and the AppStream metadata.
inline constexpr char kAppId[] = "org.tintaro.Tintaro";

// The pixel sizes of the icon's PNG files.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes below `folder`: icons/hicolor/<n>x<n>/apps/<kAppId>.png for every
// size, icons/hicolor/scalable/apps/<kAppId>.svg, and "book-files.txt": the
// files of `bookFiles`, one relative path a line, which is what gets
// installed of the program folder (never the coloured copies or a parent's
// own pages that a run of the program left there).
FolderReport writeDesktopFolder(const QString& folder, const QStringList& bookFiles);

} // namespace resources
