// Lays out every shipped file of the program folder.
#include "program_folder.h"

#include "animations.h"
#include "background.h"
#include "book.h"
#include "gif_writer.h"
#include "output.h"
#include "palettes.h"
#include "sounds.h"
#include "textures.h"

namespace resources {
namespace {

void writeBook(FolderWriter& out)
{
    for (const BookSet& set : book()) {
        out.put("logos/" + set.name + ".gif", encodeGif(set.logo()));
        for (std::size_t i = 0; i < set.pages.size(); ++i) {
            const QString page = QString("dibujos/%1/%2.gif").arg(set.name).arg(i + 1);
            out.put(page, encodeGif(drawPage(set.lineWidth, set.pages[i])));
        }
    }
}

void writePictures(FolderWriter& out)
{
    out.put("paletas/paletapeque.bmp", encodeImage(smallPalette(), "BMP"));
    out.put("paletas/paletagrande.bmp", encodeImage(largePalette(), "BMP"));
    for (const Texture& texture : textures())
        out.put("texturas/" + texture.fileName, encodeImage(texture.image, "BMP"));
    out.put("gifs/pato.gif", encodeAnimatedGif(duckFrames(), kAnimationDelay));
    out.put("gifs/lapiz.gif", encodeAnimatedGif(pencilFrames(), kAnimationDelay));
    out.put("gifs/recta.gif", encodeAnimatedGif(rulerFrames(), kAnimationDelay));
    out.put("fondo.jpg", encodeImage(backgroundTile(), "JPG", 92));
}

void writeSoundsAndSettings(FolderWriter& out)
{
    for (int n = 1; n <= 5; ++n)
        out.put(QString("sonidos/sonido%1.wav").arg(n), soundFile(n));
    // Coloured pages survive from one run to the next; printing is allowed.
    out.put("configuracion/borra.txt", "NO\n");
    out.put("configuracion/impresora.txt", "");
}

} // namespace

FolderReport writeProgramFolder(const QString& folder)
{
    FolderWriter out(folder);
    writeBook(out);
    writePictures(out);
    writeSoundsAndSettings(out);
    return {out.written(), out.failures()};
}

} // namespace resources
