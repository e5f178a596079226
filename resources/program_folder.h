// Lays out every shipped file of the program folder.
#pragma once

#include <QString>
#include <QStringList>

namespace resources {

// Writes the book, logos, palettes, textures, tool animations, sounds,
// background and configuration files below `folder`. Files the program
// writes there itself (coloured copies of pages) are never touched. Returns
// the paths that could not be written (empty on success).
QStringList writeProgramFolder(const QString& folder);

} // namespace resources
