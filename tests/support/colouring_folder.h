// Program folders for the colouring tests (pages, palettes, tool icons) and
// mouse events on picture boxes with the buttons held stated outright.
#pragma once

#include "tests/support/test_folder.h"

#include <QEvent>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRgb>
#include <QString>

class PictureBox;

namespace testsupport {

// Writes `image` as BMP data under any name, one without an extension
// included: the program tells the book's formats apart by their content.
void writeBmp(const TestFolder& folder, const QString& relative, const QImage& image);

// The test palettes: horizontal bands kBandHeight rows high, in the order of
// the colours below; the small strip is 40 pixels wide, the large one 60.
inline constexpr int kBandHeight = 20;
QList<QRgb> smallPaletteColours();
QList<QRgb> largePaletteColours();
QImage paletteStrip(const QList<QRgb>& colours, int width);

// Sizes of the three tool icons written by addColouringBasics.
QList<QSize> toolIconSizes();

// Both palettes (BMP), the three tool icons (GIF) and a background picture.
void addColouringBasics(const TestFolder& folder);

// Sends a mouse event to `box` at the inner pixel `pixel` (its border added).
// `button` is the button that changed; `held` the buttons down after it.
void sendMouse(PictureBox* box, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
               QPoint pixel);
// A press and a release at one pixel.
void clickBox(PictureBox* box, QPoint pixel, Qt::MouseButton button = Qt::LeftButton);

} // namespace testsupport
