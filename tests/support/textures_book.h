// A program folder for the texture and pointer tests: one large-palette set,
// one small-palette set, a palette strip and the textures asked for.
#pragma once

#include "shell/main_window.h"
#include "tests/support/test_folder.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

namespace texturebook {

inline const QRgb kTextureA = qRgb(200, 30, 30);
inline const QRgb kTextureB = qRgb(30, 200, 30);
inline const QRgb kTextureC = qRgb(30, 30, 200);

inline QImage solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// `textures`: file name and picture of each texture ("texturas" exists even when empty).
inline void makeBook(const testsupport::TestFolder& folder, const QList<QPair<QString, QImage>>& textures)
{
    const QImage page = testsupport::outlinedPage({300, 200}, {{20, 20, 100, 80}});
    folder.addSet("animales.gif", {page});
    folder.addSet("zz_pequenos.gif", {page});
    QImage strip = solid({80, 500}, qRgb(255, 0, 0));
    QPainter(&strip).fillRect(0, 100, 80, 100, QColor(10, 200, 30));
    folder.writeImage("paletas/paletagrande.bmp", strip);
    folder.writeImage("paletas/paletapeque.bmp", strip);
    // A background, so no message box about a missing one takes the pointer.
    folder.writeImage("fondo.jpg", solid({16, 16}, qRgb(200, 220, 255)));
    QDir().mkpath(folder.file("texturas"));
    for (const auto& [name, picture] : textures)
        folder.writeImage("texturas/" + name, picture);
}

inline QList<QPair<QString, QImage>> threeTextures()
{
    return {{"a.bmp", solid({40, 30}, kTextureA)},
            {"b.bmp", solid({40, 30}, kTextureB)},
            {"c.bmp", solid({40, 30}, kTextureC)}};
}

} // namespace texturebook
