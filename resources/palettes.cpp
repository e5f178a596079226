// The two palette strips the child picks colours from.
#include "palettes.h"

#include <QPainter>

#include <vector>

namespace resources {
namespace {

// Cells of equal size in `columns` columns, row by row, with a gap of
// `background` between them: every pixel of the strip is a colour worth picking.
QImage cellGrid(const std::vector<QRgb>& colours, int columns, int cellHeight, int gap,
                QRgb background)
{
    const int rows = (int(colours.size()) + columns - 1) / columns;
    QImage image(kPaletteWidth, rows * cellHeight + gap, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    const int cellWidth = (kPaletteWidth - gap) / columns;
    for (int i = 0; i < int(colours.size()); ++i) {
        const int x = gap + (i % columns) * cellWidth;
        const int y = gap + (i / columns) * cellHeight;
        painter.setBrush(QColor(colours[i]));
        painter.drawRect(x, y, cellWidth - gap, cellHeight - gap);
    }
    return image;
}

QRgb mix(QRgb a, QRgb b, double t)
{
    auto m = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

// Twelve hues round the colour wheel, each as a light tint, itself and a dark shade.
std::vector<QRgb> hueRows()
{
    const QRgb hues[] = {qRgb(230, 30, 40),   qRgb(255, 120, 20), qRgb(255, 185, 15),
                         qRgb(255, 230, 30),  qRgb(150, 210, 40), qRgb(40, 170, 60),
                         qRgb(20, 160, 150),  qRgb(40, 200, 230), qRgb(40, 120, 220),
                         qRgb(60, 60, 190),   qRgb(140, 60, 190), qRgb(230, 70, 160)};
    std::vector<QRgb> colours;
    for (QRgb hue : hues) {
        colours.push_back(mix(hue, qRgb(255, 255, 255), 0.55));
        colours.push_back(hue);
        colours.push_back(mix(hue, qRgb(0, 0, 0), 0.45));
    }
    return colours;
}

} // namespace

QImage smallPalette()
{
    const std::vector<QRgb> colours = {
        qRgb(235, 30, 35),   qRgb(255, 130, 20),  qRgb(255, 225, 25), qRgb(120, 210, 50),
        qRgb(20, 150, 60),   qRgb(60, 190, 240),  qRgb(30, 80, 210),  qRgb(150, 70, 200),
        qRgb(255, 120, 190), qRgb(140, 85, 40),   qRgb(250, 200, 160), qRgb(40, 40, 40)};
    return cellGrid(colours, 2, 98, 4, qRgb(255, 255, 255));
}

QImage largePalette()
{
    std::vector<QRgb> colours = hueRows();
    const QRgb others[] = {
        qRgb(255, 224, 200), qRgb(240, 190, 150), qRgb(215, 150, 105), // skin tones
        qRgb(180, 120, 80),  qRgb(140, 90, 60),   qRgb(95, 60, 40),    // deeper skin tones
        qRgb(225, 200, 150), qRgb(160, 110, 50),  qRgb(100, 60, 25),   // browns
        qRgb(210, 210, 210), qRgb(150, 150, 150), qRgb(90, 90, 90),    // greys
        qRgb(255, 255, 255), qRgb(50, 50, 50),    qRgb(0, 0, 0)};      // white, near black, black
    colours.insert(colours.end(), std::begin(others), std::end(others));
    // A light grey between the cells lets the white cell show.
    return cellGrid(colours, 3, 38, 2, qRgb(232, 232, 232));
}

} // namespace resources
