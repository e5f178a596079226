// The faults of the broken-folder tests, and the resources they are tried on.
#include "tests/robustness/broken_folder.h"

#include "lineart/gif_writer.h"
#include "platform/picture_io.h"
#include "platform/stretch.h"
#include "tests/support/hostile_files.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtTest>

namespace robustness {
namespace {

bool isFolder(const QString& resource) { return !QFileInfo(resource).fileName().contains('.'); }

bool isPicture(const QString& resource)
{
    return resource.endsWith(".gif") || resource.endsWith(".bmp") || resource.endsWith(".jpg");
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format) ? bytes : QByteArray();
}

// A one-pixel picture in the format the resource's name promises.
QByteArray tinyPicture(const QString& resource)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(QColor(30, 140, 60));
    if (resource.endsWith(".gif"))
        return lineart::encodeGif(pixel);
    return encoded(pixel, resource.endsWith(".jpg") ? "JPEG" : "BMP");
}

// Content of another kind: a picture for sounds and texts, a sound for pictures.
QByteArray otherFormat(const testsupport::TestFolder& folder, const QString& resource)
{
    if (isPicture(resource))
        return readAll(folder.file("sonidos/sonido1.wav"));
    return readAll(folder.file("fondo.jpg"));
}

void replace(const testsupport::TestFolder& folder, const QString& resource, const QByteArray& content)
{
    folder.remove(resource);
    folder.writeText(resource, content);
}

} // namespace

QString faultName(Fault fault)
{
    static const char* const names[] = {"missing", "empty", "truncated", "another format", "1 x 1",
                                        "20000 x 20000", "a folder"};
    return names[static_cast<int>(fault)];
}

QList<Fault> faultsFor(const QString& resource)
{
    if (isFolder(resource))
        return {Fault::Missing, Fault::Empty};
    QList<Fault> faults{Fault::Missing, Fault::Empty, Fault::Truncated, Fault::OtherFormat, Fault::Folder};
    if (isPicture(resource))
        faults << Fault::Tiny << Fault::Huge;
    return faults;
}

QStringList resources()
{
    return {"logos", "logos/animales.gif", "dibujos", "dibujos/animales", "dibujos/animales/1.gif",
            "dibujos/animales/2.bmp", "texturas", "texturas/01madera.bmp", "paletas",
            "paletas/paletapeque.bmp", "paletas/paletagrande.bmp", "gifs", "gifs/pato.gif", "gifs/lapiz.gif",
            "gifs/recta.gif", "sonidos", "sonidos/sonido1.wav", "sonidos/sonido2.wav", "sonidos/sonido3.wav",
            "sonidos/sonido4.wav", "sonidos/sonido5.wav", "fondo.jpg", "configuracion",
            "configuracion/borra.txt", "configuracion/impresora.txt"};
}

void breakResource(const testsupport::TestFolder& folder, const QString& resource, Fault fault)
{
    const QByteArray content = readAll(folder.file(resource));
    switch (fault) {
    case Fault::Missing:
        folder.remove(resource);
        break;
    case Fault::Empty:
        replace(folder, resource, {});
        break;
    case Fault::Truncated:
        replace(folder, resource, content.left(content.size() / 2));
        break;
    case Fault::OtherFormat:
        replace(folder, resource, otherFormat(folder, resource));
        break;
    case Fault::Tiny:
        replace(folder, resource, tinyPicture(resource));
        break;
    case Fault::Huge:
        replace(folder, resource, hugePicture());
        break;
    case Fault::Folder:
        folder.remove(resource);
        QVERIFY(QDir().mkpath(folder.file(resource)));
        break;
    }
}

const QByteArray& hugePicture()
{
    static const QByteArray bytes = testsupport::scanBombJpeg({20000, 20000}, 1);
    return bytes;
}

void halvePages(const testsupport::TestFolder& folder)
{
    QDirIterator pages(folder.file("dibujos"), {"*.gif"}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString path = pages.next();
        const QImage page = platform::loadPicture(path);
        QVERIFY2(!page.isNull(), qPrintable(path));
        folder.writeImage(path.mid(folder.path().size() + 1),
                          platform::stretchKeepingDark(page, page.size() / 2));
    }
}

} // namespace robustness
