// Lays out every shipped file of the program folder.
#pragma once

#include <QString>
#include <QStringList>

namespace resources {

// What a generator step wrote, by path relative to its folder.
struct FolderReport {
    QStringList written; // every file shipped, in the order written
    QStringList failures; // the files that could not be written (none on success)
};

// Writes the book, logos, palettes, textures, tool animations, sounds,
// background and configuration files below `folder`. Files the program
// writes there itself (coloured copies of pages) are never touched.
FolderReport writeProgramFolder(const QString& folder);

} // namespace resources
