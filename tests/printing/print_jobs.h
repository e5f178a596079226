// The printed documents the cups-pdf queue leaves in its output folder.
#pragma once

#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

namespace printtest {

// The PDF files now in the queue's output folder (TINTARO_CUPS_PDF_DIR).
QSet<QString> pdfFiles();

// Waits (up to 30 s) until the queue is empty and at least `count` PDFs that
// are not in `before` are there; returns them.
QStringList newPdfs(const QSet<QString>& before, int count);

// The number of pages of a PDF (pdfinfo), 0 when unreadable.
int pageCount(const QString& pdf);

// The page size of a PDF in points (pdfinfo).
QSizeF pageSizePoints(const QString& pdf);

// The first page rendered at `dpi` (pdftoppm); a null image on failure.
QImage renderFirstPage(const QString& pdf, int dpi);

// The pixel sizes of the images embedded in a PDF (pdfimages -list).
QList<QSize> embeddedImages(const QString& pdf);

// The smallest rectangle holding every pixel that is not white.
QRect inkBounds(const QImage& page);

} // namespace printtest
