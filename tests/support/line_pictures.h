// Small line pictures written as text ('#' ink, '.' paper), and the fill
// checks the importer's tests share.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace linepictures {

// Rows of equal length; Format_Grayscale8 with 0 for '#' and 255 otherwise.
QImage lines(const QStringList& rows);
// The rows of a line picture ('#' for 0, '.' for 255, '?' for anything else).
QStringList rowsOf(const QImage& lines);

// A border-rule fill (stopping at pure black) from each seed of `page`:
// empty when every seed lies on white and no fill reaches another seed,
// otherwise what went wrong.
QString fillLeak(const QImage& page, const QList<QPoint>& seeds);

// `seeds` of a picture of `from` size mapped to a picture of `to` size.
QList<QPoint> scaledSeeds(const QList<QPoint>& seeds, QSize from, QSize to);

} // namespace linepictures
