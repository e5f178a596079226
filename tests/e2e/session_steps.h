// What a child's session shows on screen, shared by the session test and the
// driver of the installed program.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace e2e {

inline constexpr QRgb kRed = 0xFFFF0000u;
inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kWhite = 0xFFFFFFFFu;

// A page as the canvas shows it once fitted, `ratio` device pixels a screen pixel.
QImage fittedPage(const QString& file, QSize canvas, int ratio = 1);

// A white point inside a closed area of fair size, away from the canvas's
// edges; (-1, -1) when there is none.
QPoint pointInsideAnArea(const QImage& canvas);

// The splash's white margin ends at its edges, and its drawing is there.
bool showsSplash(const QImage& screen, const QRect& splash);

// `page` after a press at `inside` with the first colour: the area flooded
// with red (up to the black lines for the small children's sets).
QImage colouredAt(const QImage& page, QPoint inside, bool toBorder);

} // namespace e2e
