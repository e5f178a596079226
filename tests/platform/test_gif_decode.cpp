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

struct GifSpec {
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

QByteArray encode(const GifSpec& spec)
{
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeBytes, &error);
    if (gif == nullptr)
        return {};
    std::vector<GifColorType> table(std::size_t(spec.colours));
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {GifByteType(i * 37), GifByteType(255 - i * 11), GifByteType(i * 5 + 3)};
    ColorMapObject* map = GifMakeMapObject(spec.colours, table.data());
    const QRect frame = spec.frame.isEmpty() ? QRect(0, 0, spec.width, spec.height) : spec.frame;
    bool ok = EGifPutScreenDesc(gif, spec.width, spec.height, 8, 0, spec.localMap ? nullptr : map) == GIF_OK;
    if (ok && spec.transparent >= 0) {
        GraphicsControlBlock control{};
        control.TransparentColor = spec.transparent;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, frame.x(), frame.y(), frame.width(), frame.height(), spec.interlaced,
                                spec.localMap ? map : nullptr) == GIF_OK;
    GifFreeMapObject(map);
    std::vector<GifPixelType> pixels(spec.pixels.begin(), spec.pixels.end());
    ok = ok && EGifPutLine(gif, pixels.data(), int(pixels.size())) == GIF_OK;
    return EGifCloseFile(gif, &error) == GIF_OK && ok ? out : QByteArray();
}

// Noise (codes of every width, the table filled and cleared), or runs of
// random lengths as on a page (codes of long strings, repeating themselves).
GifSpec randomSpec(QRandomGenerator& random)
{
    GifSpec spec;
    const bool runs = random.bounded(3) == 0;
    spec.width = random.bounded(1, runs ? 400 : 90);
    spec.height = random.bounded(1, runs ? 300 : 70);
    spec.colours = 1 << random.bounded(1, 9);
    spec.localMap = random.bounded(2) == 1;
    spec.pixels.resize(std::size_t(spec.width) * spec.height);
    quint8 colour = 0;
    for (std::size_t i = 0; i < spec.pixels.size(); ++i) {
        if (!runs || random.bounded(200) == 0)
            colour = quint8(random.bounded(spec.colours));
        spec.pixels[i] = colour;
    }
    return spec;
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
        const GifSpec spec = randomSpec(random);
        const QByteArray gif = encode(spec);
        QVERIFY(!gif.isEmpty());
        const QImage ours = decodePlainGif(gif, 1000, 1'000'000);
        QCOMPARE(ours.format(), QImage::Format_Indexed8);
        QVERIFY2(ours.convertToFormat(QImage::Format_RGB32) == readByQt(gif), qPrintable(QString("round %1: %2 x %3, %4 colours")
                                                      .arg(round).arg(spec.width).arg(spec.height)
                                                      .arg(spec.colours)));
    }
}

void TestGifDecode::leavesOtherGifsToQt()
{
    QRandomGenerator random(14);
    GifSpec spec = randomSpec(random);
    spec.width = 40, spec.height = 30, spec.colours = 4;
    spec.pixels.assign(40 * 30, 1);
    QVERIFY(!decodePlainGif(encode(spec), 1000, 1'000'000).isNull());

    GifSpec transparent = spec;
    transparent.transparent = 2;
    QVERIFY(decodePlainGif(encode(transparent), 1000, 1'000'000).isNull());

    GifSpec framed = spec;
    framed.frame = QRect(5, 5, 20, 10);
    framed.pixels.assign(20 * 10, 3);
    QVERIFY(decodePlainGif(encode(framed), 1000, 1'000'000).isNull());

    GifSpec interlaced = spec;
    interlaced.interlaced = true;
    QVERIFY(decodePlainGif(encode(interlaced), 1000, 1'000'000).isNull());

    // Pixels written with codes of 8 bits, then the table cut to 4 colours:
    // one pixel points past it.
    GifSpec beyond = spec;
    beyond.colours = 256;
    beyond.pixels[7] = 9;
    QVERIFY(decodePlainGif(withFourColours(encode(beyond)), 1000, 1'000'000).isNull());
    beyond.pixels[7] = 3;
    const QByteArray within = withFourColours(encode(beyond));
    QCOMPARE(decodePlainGif(within, 1000, 1'000'000).convertToFormat(QImage::Format_RGB32), readByQt(within));

    const QByteArray whole = encode(spec);
    for (const qsizetype length : {qsizetype(0), qsizetype(6), qsizetype(13), whole.size() / 2, whole.size() - 2})
        QVERIFY2(decodePlainGif(whole.left(length), 1000, 1'000'000).isNull(), qPrintable(QString::number(length)));
    QVERIFY(decodePlainGif("GIF89a is not all it takes", 1000, 1'000'000).isNull());
}

void TestGifDecode::staysWithinTheLimits()
{
    GifSpec spec;
    spec.width = 50, spec.height = 20, spec.colours = 2;
    spec.pixels.assign(50 * 20, 0);
    const QByteArray gif = encode(spec);
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
    GifSpec spec = randomSpec(random);
    const QByteArray plain = encode(spec);
    spec.transparent = 0;
    const QByteArray see = encode(spec);
    QTemporaryDir dir;
    for (const auto& [name, bytes] : {std::pair{"plain.gif", plain}, std::pair{"see.gif", see}}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QCOMPARE(platform::loadPicture(dir.filePath("plain.gif")), readByQt(plain));
    const QImage seeThrough = platform::loadPicture(dir.filePath("see.gif"));
    QCOMPARE(seeThrough.format(), QImage::Format_RGB32);
    QCOMPARE(seeThrough.size(), QSize(spec.width, spec.height));
    const QImage page = platform::loadPage(dir.filePath("plain.gif"));
    QCOMPARE(page.format(), QImage::Format_Indexed8);
    QCOMPARE(page.convertToFormat(QImage::Format_RGB32), readByQt(plain));
    QCOMPARE(platform::loadPage(dir.filePath("see.gif")), seeThrough);
}

QTEST_MAIN(TestGifDecode)
#include "test_gif_decode.moc"
