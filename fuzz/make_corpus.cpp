// Writes the seed corpus of every fuzz target: small valid files of each kind
// the program reads, drawn and encoded by the program's own code.
//   fuzz_make_corpus FOLDER   writes FOLDER/<target>/<seed>
#include "gif_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

namespace {

QString outputFolder;
bool allWritten = true;

void writeSeed(const QString& target, const QString& name, const QByteArray& bytes)
{
    const QString folder = outputFolder + "/" + target;
    QFile file(folder + "/" + name);
    if (bytes.isEmpty() && !name.startsWith("empty")) {
        std::fprintf(stderr, "no bytes for %s/%s\n", qPrintable(target), qPrintable(name));
        allWritten = false;
        return;
    }
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        allWritten = false;
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image) ? bytes : QByteArray();
}

// A small colouring page: white, two outlined boxes, one of them coloured.
QImage page(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(1, 1, size.width() / 2, size.height() - 3);
    painter.drawEllipse(QRect(size.width() / 2 + 2, 2, size.width() / 2 - 4, size.height() / 2));
    painter.fillRect(QRect(2, 2, size.width() / 2 - 1, size.height() / 3), QColor(255, 0, 0));
    return image;
}

QImage bands(const QList<QColor>& colours, int width, int bandHeight)
{
    QImage image(width, bandHeight * int(colours.size()), QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < colours.size(); ++i)
        painter.fillRect(0, i * bandHeight, width, bandHeight, colours[i]);
    return image;
}

QImage checks(QSize size, QColor a, QColor b)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, (x / 3 + y / 3) % 2 ? a : b);
    return image;
}

// A tool icon: a coloured blob on a transparent ground.
QImage icon(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setBrush(colour);
    painter.setPen(Qt::black);
    painter.drawEllipse(QRect(QPoint(1, 1), size - QSize(3, 3)));
    return image;
}

std::vector<QImage> frames(QSize size, int count)
{
    std::vector<QImage> all;
    for (int i = 0; i < count; ++i) {
        QImage frame = page(size);
        QPainter(&frame).fillRect(i, i, 3, 3, Qt::blue);
        all.push_back(frame);
    }
    return all;
}

void pages()
{
    const QImage p = page({24, 16});
    writeSeed("page", "page.gif", resources::encodeGif(p));
    writeSeed("page", "copy24.bmp", encoded(p, "bmp"));
    writeSeed("page", "copy8.bmp", encoded(p.convertToFormat(QImage::Format_Indexed8), "bmp"));
    writeSeed("page", "copy1.bmp", encoded(p.convertToFormat(QImage::Format_Mono), "bmp"));
    writeSeed("page", "page.png", encoded(p, "png"));
    writeSeed("page", "grey.png", encoded(p.convertToFormat(QImage::Format_Grayscale8), "png"));
}

void palettes()
{
    const QList<QColor> colours{Qt::red, Qt::yellow, Qt::green, Qt::blue, Qt::black, Qt::white};
    const QImage strip = bands(colours, 6, 3);
    writeSeed("palette", "paletapeque.bmp", encoded(strip, "bmp"));
    writeSeed("palette", "paletagrande.bmp", encoded(strip.convertToFormat(QImage::Format_Indexed8), "bmp"));
    writeSeed("palette", "paleta.gif", resources::encodeGif(strip));
}

void textures()
{
    const QImage tile = checks({12, 9}, QColor(200, 120, 40), QColor(250, 230, 180));
    writeSeed("texture", "madera.gif", resources::encodeGif(tile));
    writeSeed("texture", "tela.bmp", encoded(tile, "bmp"));
    writeSeed("texture", "piedra.jpg", encoded(tile, "jpeg", 60));
}

void iconsAndLogos()
{
    const QImage duck = icon({12, 12}, Qt::yellow);
    writeSeed("icon", "pato.png", encoded(duck, "png"));
    writeSeed("icon", "pato.ico", encoded(duck, "ico"));
    writeSeed("icon", "lapiz.gif", resources::encodeGif(duck.convertToFormat(QImage::Format_RGB32)));
    writeSeed("icon", "logo.bmp", encoded(page({10, 12}), "bmp"));
}

void animations()
{
    writeSeed("animation", "pato.gif", resources::encodeAnimatedGif(frames({10, 8}, 3), 12));
    writeSeed("animation", "still.gif", resources::encodeGif(page({8, 8})));
    writeSeed("animation", "zero_delay.gif", resources::encodeAnimatedGif(frames({6, 6}, 2), 0));
}

void backgrounds()
{
    const QImage tile = checks({16, 16}, QColor(180, 210, 240), QColor(220, 235, 250));
    writeSeed("background", "fondo.jpg", encoded(tile, "jpeg", 50));
    writeSeed("background", "progressive.jpg", encoded(tile, "jpeg", 50, true));
    writeSeed("background", "grey.jpg", encoded(tile.convertToFormat(QImage::Format_Grayscale8), "jpeg", 50));
}

void configurations()
{
    const QList<QByteArray> lines{"NO\n", "no", "No\r\nmore", "\xEF\xBB\xBFNO\r\n", "NO \n", "si\n", "\n\nNO",
                                  "n\xC3\xB3\n", "\rNO"};
    for (int i = 0; i < lines.size(); ++i)
        writeSeed("config", QString("line%1.txt").arg(i), lines[i]);
    writeSeed("config", "empty.txt", QByteArray());
}

void drawings()
{
    const QImage d = page({40, 30});
    writeSeed("import_picture", "drawing.png", encoded(d, "png"));
    writeSeed("import_picture", "drawing.jpg", encoded(d, "jpeg", 70));
    writeSeed("import_picture", "drawing.gif", resources::encodeGif(d));
    writeSeed("import_picture", "drawing.bmp", encoded(d, "bmp"));
    writeSeed("import_picture", "drawing.svg",
              "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='30'>"
              "<rect x='2' y='2' width='18' height='20' fill='none' stroke='black'/>"
              "<circle cx='30' cy='12' r='7' fill='white' stroke='black' stroke-width='2'/></svg>");
    writeSeed("import_picture", "viewbox.svg",
              "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 20 10'>"
              "<defs><linearGradient id='g'><stop offset='0' stop-color='#fff'/>"
              "<stop offset='1' stop-color='#888'/></linearGradient></defs>"
              "<path d='M1 1 L19 1 L10 9 Z' fill='url(#g)' stroke='black'/>"
              "<text x='2' y='8' font-size='4'>a</text></svg>");
}

void svgDrawings()
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    page({6, 4}).save(&buffer, "png");
    const QByteArray open = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                            "width='40' height='30'>";
    writeSeed("svg", "embedded.svg", open + "<image width='40' height='30' xlink:href='data:image/png;base64," +
                                         png.toBase64() + "'/></svg>");
    writeSeed("svg", "outside.svg", open + "<g><image width='9' height='9' xlink:href='/etc/hostname'/></g>"
                                           "<use xlink:href='other.svg#a'/><a href='http://x/'><rect width='5' "
                                           "height='5'/></a></svg>");
    writeSeed("svg", "entity.svg", "<!DOCTYPE svg [<!ENTITY i \"<image href='x.png'/>\">]>" + open +
                                       "&i;<rect id='r' width='3' height='3'/><use href='#r'/></svg>");
}

// Marker walks: baseline and progressive files, one with repeated scans.
void jpegLayouts()
{
    const QImage tile = checks({16, 16}, QColor(180, 20, 40), QColor(20, 235, 250));
    writeSeed("jpeg_layout", "baseline", encoded(tile, "jpeg", 80).mid(2));
    const QByteArray progressive = encoded(tile, "jpeg", 80, true);
    writeSeed("jpeg_layout", "progressive", progressive.mid(2));
    const qsizetype last = progressive.lastIndexOf("\xFF\xDA");
    const QByteArray scan = progressive.mid(last, progressive.size() - 2 - last);
    writeSeed("jpeg_layout", "repeated", progressive.mid(2, last - 2) + scan + scan + scan + "\xFF\xD9");
}

// The cleaning target's own layout: width, gap, then grey pixels.
void linePictures()
{
    const QImage grey = page({32, 24}).convertToFormat(QImage::Format_Grayscale8);
    for (const int gap : {0, 4, 16}) {
        QByteArray bytes;
        bytes.append(char(grey.width() - 1)).append(char(gap));
        for (int y = 0; y < grey.height(); ++y)
            bytes.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
        writeSeed("clean_page", QString("page_gap%1").arg(gap), bytes);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_corpus FOLDER\n");
        return 2;
    }
    outputFolder = QString::fromLocal8Bit(argv[1]);
    pages();
    palettes();
    textures();
    iconsAndLogos();
    animations();
    backgrounds();
    configurations();
    drawings();
    svgDrawings();
    jpegLayouts();
    linePictures();
    return allWritten ? 0 : 1;
}
