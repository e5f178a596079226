// Files made to hurt a program that reads them: a JPEG of thousands of
// scans, SVG drawings that reach for other files, pictures of formats the
// book never uses, named pipes. All made here, by code.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace testsupport {

// A small progressive JPEG that announces `size` and repeats its last scan
// until it has `scans` scans (or its own few, if more): a decoder walks the
// whole announced picture once a scan, so the default (16384 x 2440, 5,000
// scans, about 400 KB) takes it tens of seconds.
QByteArray scanBombJpeg(QSize size = {16384, 2440}, int scans = 5000);

// `image` encoded by Qt's writer for `format` ("png", "tiff", "jpeg"...).
QByteArray encodedAs(const QImage& image, const char* format, bool progressive = false);

// A 200 x 100 SVG drawing: a black frame, and an <image> over all of it
// whose xlink:href is `href` (a path, a file: URL, a data: URI).
QByteArray svgWithImage(const QString& href);

// Creates a named pipe at `path`; false when it cannot.
bool makePipe(const QString& path);

} // namespace testsupport
