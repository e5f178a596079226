// Hostile files for the tests.
#include "tests/support/hostile_files.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <sys/stat.h>

namespace testsupport {

QByteArray encodedAs(const QImage& image, const char* format, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image) ? bytes : QByteArray();
}

QByteArray scanBombJpeg(QSize size, int scans)
{
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::white);
    QByteArray jpeg = encodedAs(small, "jpeg", true);
    const qsizetype frame = jpeg.indexOf("\xFF\xC2");
    const qsizetype lastScan = jpeg.lastIndexOf("\xFF\xDA");
    const qsizetype end = jpeg.lastIndexOf("\xFF\xD9");
    if (frame < 0 || lastScan < 0 || end < lastScan)
        return {};
    // The frame header: marker, length, precision, then height and width.
    jpeg[frame + 5] = char(size.height() >> 8);
    jpeg[frame + 6] = char(size.height() & 0xFF);
    jpeg[frame + 7] = char(size.width() >> 8);
    jpeg[frame + 8] = char(size.width() & 0xFF);
    const QByteArray scan = jpeg.mid(lastScan, end - lastScan);
    const int have = int(jpeg.count("\xFF\xDA"));
    QByteArray bomb = jpeg.left(end);
    bomb.reserve(bomb.size() + scan.size() * (scans - have) + 2);
    for (int i = have; i < scans; ++i)
        bomb += scan;
    return bomb + "\xFF\xD9";
}

QByteArray svgWithImage(const QString& href)
{
    return QString("<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                   "width='200' height='100'>"
                   "<rect x='5' y='5' width='190' height='90' fill='white' stroke='black' stroke-width='4'/>"
                   "<image x='0' y='0' width='200' height='100' xlink:href=\"%1\"/></svg>")
        .arg(href.toHtmlEscaped())
        .toUtf8();
}

bool makePipe(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }

} // namespace testsupport
