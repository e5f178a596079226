// Lays out every shipped file of the program folder.
#pragma once

#include <QString>
#include <QStringList>

#include <limits>

namespace resources {

// What a generator step wrote, by path relative to its folder.
struct FolderReport {
    QStringList written; // every file shipped, in the order written
    QStringList failures; // the files that could not be written (none on success)
};

inline constexpr int kEveryPage = std::numeric_limits<int>::max();

// Writes the book, logos, palettes, textures, tool animations, sounds,
// background and configuration files below `folder`. Files the program
// writes there itself (coloured copies of pages) are never touched.
// `pagesPerSet` draws only the first pages of each set, a quick look at the
// rest of the folder (the pages take most of the time).
FolderReport writeProgramFolder(const QString& folder, int pagesPerSet = kEveryPage);

} // namespace resources
