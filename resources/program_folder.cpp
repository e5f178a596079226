// Lays out every shipped file of the program folder.
#include "program_folder.h"

#include "animations.h"
#include "background.h"
#include "book.h"
#include "lineart/gif_writer.h"
#include "output.h"
#include "palettes.h"
#include "sounds.h"
#include "textures.h"

#include <QByteArray>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace resources {
namespace {

// Runs job(0) .. job(count - 1) on every core, each index once.
template <typename Job>
void onEveryCore(std::size_t count, const Job& job)
{
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++)
            job(i);
    };
    std::vector<std::jthread> workers(std::max(1u, std::thread::hardware_concurrency()) - 1);
    for (std::jthread& worker : workers)
        worker = std::jthread(work);
    work();
}

// The pages take most of the generator's time and need nothing from each
// other: they are drawn and encoded on every core, then written in order.
void writeBook(FolderWriter& out, int pagesPerSet)
{
    struct Page {
        const BookSet* set;
        std::size_t index;
        QByteArray gif;
    };
    const std::vector<BookSet> sets = book();
    const auto drawn = [pagesPerSet](const BookSet& set) {
        return std::min(set.pages.size(), static_cast<std::size_t>(pagesPerSet));
    };
    std::vector<Page> pages;
    for (const BookSet& set : sets) {
        for (std::size_t i = 0; i < drawn(set); ++i)
            pages.push_back({&set, i, {}});
    }
    onEveryCore(pages.size(), [&pages](std::size_t i) {
        Page& page = pages[i];
        page.gif = encodeGif(drawPage(page.set->lineWidth, page.set->pages[page.index]));
    });
    auto page = pages.cbegin();
    for (const BookSet& set : sets) {
        out.put(book::logoPath(set.name), encodeGif(set.logo()));
        for (std::size_t i = 0; i < drawn(set); ++i, ++page)
            out.put(book::pagePath(set.name, int(i) + 1), page->gif);
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

FolderReport writeProgramFolder(const QString& folder, int pagesPerSet)
{
    FolderWriter out(folder);
    writeBook(out, pagesPerSet);
    writePictures(out);
    writeSoundsAndSettings(out);
    return {out.written(), out.failures()};
}

} // namespace resources
