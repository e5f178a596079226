// The fast decoder of the book's GIFs gives exactly what Qt's GIF reader
// gives, on random pictures, and leaves every other kind of GIF to Qt.
#include "platform/gif_decode.h"
#include "platform/picture_io.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtTest>
#include <gif_lib.h>
#include <vector>

using platform::decodePlainGif;

namespace {

// How a test GIF is made; encode() writes it with giflib.
struct GifRecipe {
    int width = 1;
    int height = 1;
    int colours = 2;           // entries of the colour table, a power of two
    bool localMap = false;     // the table belongs to the picture, not the screen
    bool interlaced = false;
    int transparent = -1;      // the index made transparent, or -1
    QRect frame;               // where the picture lies; empty for the whole screen
    std::vector<quint8> pixels; // width x height of the frame, row by row
};

int writeBytes(GifFileType* gif, const GifByteType* bytes, int count)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
    return count;
}

QByteArray encode(const GifRecipe& recipe)
{
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeBytes, &error);
    if (gif == nullptr)
        return {};
    std::vector<GifColorType> table(std::size_t(recipe.colours));
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {GifByteType(i * 37), GifByteType(255 - i * 11), GifByteType(i * 5 + 3)};
    ColorMapObject* map = GifMakeMapObject(recipe.colours, table.data());
    const QRect frame = recipe.frame.isEmpty() ? QRect(0, 0, recipe.width, recipe.height) : recipe.frame;
    bool ok = EGifPutScreenDesc(gif, recipe.width, recipe.height, 8, 0, recipe.localMap ? nullptr : map) == GIF_OK;
    if (ok && recipe.transparent >= 0) {
        GraphicsControlBlock control{};
        control.TransparentColor = recipe.transparent;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, frame.x(), frame.y(), frame.width(), frame.height(), recipe.interlaced,
                                recipe.localMap ? map : nullptr) == GIF_OK;
    GifFreeMapObject(map);
    std::vector<GifPixelType> pixels(recipe.pixels.begin(), recipe.pixels.end());
    ok = ok && EGifPutLine(gif, pixels.data(), int(pixels.size())) == GIF_OK;
    return EGifCloseFile(gif, &error) == GIF_OK && ok ? out : QByteArray();
}

// Noise (codes of every width, the table filled and cleared), or runs of
// random lengths as on a page (codes of long strings, repeating themselves).
GifRecipe randomRecipe(QRandomGenerator& random)
{
    GifRecipe recipe;
    const bool runs = random.bounded(3) == 0;
    recipe.width = random.bounded(1, runs ? 400 : 90);
    recipe.height = random.bounded(1, runs ? 300 : 70);
    recipe.colours = 1 << random.bounded(1, 9);
    recipe.localMap = random.bounded(2) == 1;
    recipe.pixels.resize(std::size_t(recipe.width) * recipe.height);
    quint8 colour = 0;
    for (std::size_t i = 0; i < recipe.pixels.size(); ++i) {
        if (!runs || random.bounded(200) == 0)
            colour = quint8(random.bounded(recipe.colours));
        recipe.pixels[i] = colour;
    }
    return recipe;
}

// A GIF with a screen table of 256 colours, that table cut to its first four.
QByteArray withFourColours(QByteArray gif)
{
    gif[10] = char((uchar(gif[10]) & ~0x07) | 0x01);
    gif.remove(13 + 3 * 4, 3 * (256 - 4));
    return gif;
}

QImage readByQt(const QByteArray& gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestGifDecode : public QObject {
    Q_OBJECT
private slots:
    void givesWhatQtGives();
    void leavesOtherGifsToQt();
    void staysWithinTheLimits();
    void loadPictureReadsTheSameEitherWay();
};

void TestGifDecode::givesWhatQtGives()
{
    QRandomGenerator random(13);
    for (int round = 0; round < 200; ++round) {
        const GifRecipe recipe = randomRecipe(random);
        const QByteArray gif = encode(recipe);
        QVERIFY(!gif.isEmpty());
        const QImage ours = decodePlainGif(gif, 1000, 1'000'000);
        QCOMPARE(ours.format(), QImage::Format_Indexed8);
        QVERIFY2(ours.convertToFormat(QImage::Format_RGB32) == readByQt(gif), qPrintable(QString("round %1: %2 x %3, %4 colours")
                                                      .arg(round).arg(recipe.width).arg(recipe.height)
                                                      .arg(recipe.colours)));
    }
}

void TestGifDecode::leavesOtherGifsToQt()
{
    QRandomGenerator random(14);
    GifRecipe recipe = randomRecipe(random);
    recipe.width = 40, recipe.height = 30, recipe.colours = 4;
    recipe.pixels.assign(40 * 30, 1);
    QVERIFY(!decodePlainGif(encode(recipe), 1000, 1'000'000).isNull());

    GifRecipe transparent = recipe;
    transparent.transparent = 2;
    QVERIFY(decodePlainGif(encode(transparent), 1000, 1'000'000).isNull());

    GifRecipe framed = recipe;
    framed.frame = QRect(5, 5, 20, 10);
    framed.pixels.assign(20 * 10, 3);
    QVERIFY(decodePlainGif(encode(framed), 1000, 1'000'000).isNull());

    GifRecipe interlaced = recipe;
    interlaced.interlaced = true;
    QVERIFY(decodePlainGif(encode(interlaced), 1000, 1'000'000).isNull());

    // Pixels written with codes of 8 bits, then the table cut to 4 colours:
    // one pixel points past it.
    GifRecipe beyond = recipe;
    beyond.colours = 256;
    beyond.pixels[7] = 9;
    QVERIFY(decodePlainGif(withFourColours(encode(beyond)), 1000, 1'000'000).isNull());
    beyond.pixels[7] = 3;
    const QByteArray within = withFourColours(encode(beyond));
    QCOMPARE(decodePlainGif(within, 1000, 1'000'000).convertToFormat(QImage::Format_RGB32), readByQt(within));

    const QByteArray whole = encode(recipe);
    for (const qsizetype length : {qsizetype(0), qsizetype(6), qsizetype(13), whole.size() / 2, whole.size() - 2})
        QVERIFY2(decodePlainGif(whole.left(length), 1000, 1'000'000).isNull(), qPrintable(QString::number(length)));
    QVERIFY(decodePlainGif("GIF89a is not all it takes", 1000, 1'000'000).isNull());
}

void TestGifDecode::staysWithinTheLimits()
{
    GifRecipe recipe;
    recipe.width = 50, recipe.height = 20, recipe.colours = 2;
    recipe.pixels.assign(50 * 20, 0);
    const QByteArray gif = encode(recipe);
    QVERIFY(!decodePlainGif(gif, 50, 1000).isNull());
    QVERIFY(decodePlainGif(gif, 49, 1000).isNull());
    QVERIFY(decodePlainGif(gif, 50, 999).isNull());
}

void TestGifDecode::loadPictureReadsTheSameEitherWay()
{
    // The book's loader takes its own decoder's picture for a plain GIF and
    // Qt's for one with transparency: both come out opaque, on white where
    // transparent. A page keeps a plain GIF's palette, a byte a pixel.
    QRandomGenerator random(15);
    GifRecipe recipe = randomRecipe(random);
    const QByteArray plain = encode(recipe);
    recipe.transparent = 0;
    const QByteArray see = encode(recipe);
    QTemporaryDir dir;
    for (const auto& [name, bytes] : {std::pair{"plain.gif", plain}, std::pair{"see.gif", see}}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QCOMPARE(platform::loadPicture(dir.filePath("plain.gif")), readByQt(plain));
    const QImage seeThrough = platform::loadPicture(dir.filePath("see.gif"));
    QCOMPARE(seeThrough.format(), QImage::Format_RGB32);
    QCOMPARE(seeThrough.size(), QSize(recipe.width, recipe.height));
    const QImage page = platform::loadPage(dir.filePath("plain.gif"));
    QCOMPARE(page.format(), QImage::Format_Indexed8);
    QCOMPARE(page.convertToFormat(QImage::Format_RGB32), readByQt(plain));
    QCOMPARE(platform::loadPage(dir.filePath("see.gif")), seeThrough);
}

QTEST_MAIN(TestGifDecode)
#include "test_gif_decode.moc"
