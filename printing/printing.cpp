// The print button: the canvas on one page of the default printer.
#include "shell/main_window.h"

#include "platform/units.h"
#include "printing/placement.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr double kTwipsPerInch = 1440.0;

// Prints `picture` as one document on the default printer, scaled to
// `width` x `height` twips and placed by canvasPlacement on the printable
// area. False when there is no printer or the job could not be sent.
bool printOnDefaultPrinter(const QImage& picture, double width, double height)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Tintaro"));
    // The page starts where the printer can start printing, not inside margins of our own.
    if (!printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units()))
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double dotsPerTwipX = printer.logicalDpiX() / kTwipsPerInch;
    const double dotsPerTwipY = printer.logicalDpiY() / kTwipsPerInch;
    const int pageHeight = platform::roundHalfEven(printer.height() / dotsPerTwipY);
    const QRectF twips = printing::canvasPlacement(pageHeight, width, height);
    const QRectF dots(twips.x() * dotsPerTwipX, twips.y() * dotsPerTwipY, twips.width() * dotsPerTwipX,
                      twips.height() * dotsPerTwipY);
    painter.drawImage(dots, picture);
    return painter.end();
}

} // namespace

void Form1::Command8_Click()
{
    Picture1->setPicture(Picture1->Image());
    if (!printOnDefaultPrinter(Picture1->Picture(), Picture1->Width(), Picture1->Height()))
        return; // no printer, or it refused the job: nothing is printed and nothing is said
}
