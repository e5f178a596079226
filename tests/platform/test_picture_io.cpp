// Loading pictures (whole, cut off, oversized, transparent) and the atomic BMP save.
#include "platform/picture_io.h"
#include "tests/support/hostile_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <gif_lib.h>
#include <cstring>
#include <unistd.h>
#include <vector>

using namespace platform;

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        return {};
    return bytes;
}

QImage noise(int w, int h, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, 0xFF000000u | (rng.generate() & 0xFFFFFFu));
    return img;
}

// An animated GIF of `frames` frames; frame f shows colour index (x + y + f) % 4,
// with index 3 transparent when `transparent`.
bool writeGif(const QString& path, int w, int h, int frames, bool transparent)
{
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    GifColorType colours[4] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, w, h, 2, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    std::vector<GifPixelType> row(static_cast<std::size_t>(w));
    for (int f = 0; ok && f < frames; ++f) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 10, transparent ? 3 : NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < h; ++y) {
            for (int x = 0; x < w; ++x)
                row[static_cast<std::size_t>(x)] = static_cast<GifPixelType>((x + y + f) % 4);
            ok = EGifPutLine(gif, row.data(), w) == GIF_OK;
        }
    }
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

} // namespace

class TestPictureIo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void bmpRoundTripIsExact();
    void bookFormatsLoadAsRgb32();
    void otherFormatsAreRefusedWhateverTheirName_data();
    void otherFormatsAreRefusedWhateverTheirName();
    void gifGivesItsFirstFrame();
    void transparencyGoesOntoWhiteUnlessKept();
    void brokenFilesGiveNull_data();
    void brokenFilesGiveNull();
    void oversizedPicturesAreRefused();
    void saveReplacesTheOldFile();
    void failedSaveKeepsTheOldFile();

private:
    QString path(const QString& name) const { return dir_->filePath(name); }
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestPictureIo::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestPictureIo::writeBytes(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestPictureIo::bmpRoundTripIsExact()
{
    // An odd width makes every row end in padding.
    const QImage picture = noise(37, 23, 1);
    QVERIFY(saveBmpAtomically(picture, path("1.bmp")));
    QFile file(path("1.bmp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    QVERIFY(header.startsWith("BM"));
    QCOMPARE(static_cast<int>(header[28]), 24);
    const QImage back = loadPicture(path("1.bmp"));
    QCOMPARE(back.format(), QImage::Format_RGB32);
    QCOMPARE(back, picture);
}

void TestPictureIo::bookFormatsLoadAsRgb32()
{
    const QImage picture = noise(16, 9, 2);
    // The content decides among the book's formats, not the extension.
    writeBytes("page.gif", encoded(picture, "BMP"));
    QCOMPARE(loadPicture(path("page.gif")), picture);
    writeBytes("icon.ico", encoded(picture, "ICO"));
    QCOMPARE(loadPicture(path("icon.ico")), picture);
    writeBytes("photo.jpg", encoded(picture, "JPG"));
    const QImage jpeg = loadPicture(path("photo.jpg"));
    QCOMPARE(jpeg.size(), picture.size());
    QCOMPARE(jpeg.format(), QImage::Format_RGB32);
    QImage grey(5, 4, QImage::Format_Grayscale8);
    grey.fill(77);
    writeBytes("grey.bmp", encoded(grey, "BMP"));
    QCOMPARE(loadPicture(path("grey.bmp")).pixel(4, 3), qRgb(77, 77, 77));
}

// Wherever a picture is expected, only BMP, GIF, JPEG and ICO are decoded:
// an SVG could draw any readable file onto the canvas, and the other
// decoders are more code the book never needs.
void TestPictureIo::otherFormatsAreRefusedWhateverTheirName_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QImage picture = noise(16, 9, 3);
    QTest::newRow("png") << encoded(picture, "PNG");
    QTest::newRow("tiff") << encoded(picture, "TIFF");
    QTest::newRow("webp") << encoded(picture, "WEBP");
    QTest::newRow("svg") << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
                                       "<rect width='20' height='10' fill='red'/></svg>");
    QTest::newRow("svg reaching for a file") << testsupport::svgWithImage(QFINDTESTDATA("test_picture_io.cpp"));
    // A TGA header: no magic of its own, so content sniffing falls back on it.
    QTest::newRow("tga") << QByteArray("\0\0\2\0\0\0\0\0\0\0\0\0\1\0\1\0\x18\0\xFF\0\0", 21);
}

void TestPictureIo::otherFormatsAreRefusedWhateverTheirName()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!bytes.isEmpty());
    for (const char* name : {"1.gif", "1.bmp", "fondo.jpg", "icon.ico"}) {
        writeBytes(name, bytes);
        QVERIFY2(loadPicture(path(name)).isNull(), name);
    }
}

void TestPictureIo::gifGivesItsFirstFrame()
{
    QVERIFY(writeGif(path("pato.gif"), 7, 5, 3, false));
    const QImage first = loadPicture(path("pato.gif"));
    QCOMPARE(first.size(), QSize(7, 5));
    QCOMPARE(first.format(), QImage::Format_RGB32);
    QCOMPARE(first.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(first.pixel(1, 0), qRgb(255, 255, 255));
    QCOMPARE(first.pixel(2, 0), qRgb(255, 0, 0));
    QCOMPARE(first.pixel(3, 0), qRgb(0, 0, 255));

    // An animated GIF cut inside its first frame is broken; cut after it, its first frame is whole.
    QVERIFY(writeGif(path("anim.gif"), 40, 30, 3, false));
    QFile file(path("anim.gif"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray gif = file.readAll();
    writeBytes("cut.gif", gif.left(gif.size() / 6));
    QVERIFY(loadPicture(path("cut.gif")).isNull());
    writeBytes("cut.gif", gif.left(gif.size() * 5 / 6));
    QCOMPARE(loadPicture(path("cut.gif")).size(), QSize(40, 30));
}

void TestPictureIo::transparencyGoesOntoWhiteUnlessKept()
{
    QVERIFY(writeGif(path("clear.gif"), 4, 1, 1, true));
    QCOMPARE(loadPicture(path("clear.gif")).pixel(3, 0), qRgb(255, 255, 255));
    QCOMPARE(loadPicture(path("clear.gif")).pixel(2, 0), qRgb(255, 0, 0));
    const QImage kept = loadPicture(path("clear.gif"), true);
    QCOMPARE(kept.format(), QImage::Format_ARGB32);
    QCOMPARE(qAlpha(kept.pixel(3, 0)), 0);
    QCOMPARE(kept.pixel(2, 0), qRgba(255, 0, 0, 255));
    QImage half(1, 1, QImage::Format_ARGB32);
    half.setPixel(0, 0, qRgba(0, 0, 0, 128));
    writeBytes("half.ico", encoded(half, "ICO"));
    const QRgb blended = loadPicture(path("half.ico")).pixel(0, 0);
    QVERIFY(qAbs(qRed(blended) - 127) <= 1 && qRed(blended) == qBlue(blended));
}

void TestPictureIo::brokenFilesGiveNull_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QImage picture = noise(40, 30, 3);
    const QByteArray bmp = encoded(picture, "BMP");
    const QByteArray png = encoded(picture, "PNG");
    const QByteArray jpg = encoded(picture, "JPG");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("dibujo de un pato\n");
    QTest::newRow("bmp cut short") << bmp.left(bmp.size() - 10);
    QTest::newRow("bmp header only") << bmp.left(54);
    QTest::newRow("png cut short") << png.left(png.size() / 2);
    QTest::newRow("jpeg cut short") << jpg.left(jpg.size() * 9 / 10);
    QTest::newRow("jpeg of 5000 scans") << testsupport::scanBombJpeg();
    QTest::newRow("gif header only") << QByteArray("GIF89a\x07\x00\x05\x00\x00\x00\x00", 13);
}

void TestPictureIo::brokenFilesGiveNull()
{
    QFETCH(QByteArray, bytes);
    writeBytes("1.gif", bytes);
    QVERIFY(loadPicture(path("1.gif")).isNull());
    QVERIFY(loadPicture(path("missing.gif")).isNull());
    QVERIFY(QDir(dir_->path()).mkdir("folder.gif"));
    QVERIFY(loadPicture(path("folder.gif")).isNull());
    QVERIFY(testsupport::makePipe(path("pipe.gif")));
    QVERIFY(loadPicture(path("pipe.gif")).isNull());
    QVERIFY(QFile::link("/dev/zero", path("zero.gif")));
    QVERIFY(loadPicture(path("zero.gif")).isNull());
}

void TestPictureIo::oversizedPicturesAreRefused()
{
    // Files that would decode into too many pixels, or too long a side.
    QImage tooMany(7000, 7000, QImage::Format_Mono);
    tooMany.fill(1);
    writeBytes("many.bmp", encoded(tooMany, "BMP"));
    QVERIFY(loadPicture(path("many.bmp")).isNull());
    QImage tooLong(kMaxPictureSide + 1, 1, QImage::Format_Mono);
    tooLong.fill(0);
    writeBytes("long.bmp", encoded(tooLong, "BMP"));
    QVERIFY(loadPicture(path("long.bmp")).isNull());
    QImage longest(kMaxPictureSide, 1, QImage::Format_Mono);
    longest.fill(0);
    writeBytes("longest.bmp", encoded(longest, "BMP"));
    QCOMPARE(loadPicture(path("longest.bmp")).width(), kMaxPictureSide);
    // A BMP header that claims an enormous picture is refused before any decoding.
    QByteArray huge = encoded(noise(2, 2, 4), "BMP");
    const qint32 side = 100000;
    std::memcpy(huge.data() + 18, &side, 4);
    std::memcpy(huge.data() + 22, &side, 4);
    writeBytes("huge.bmp", huge);
    QVERIFY(loadPicture(path("huge.bmp")).isNull());
}

void TestPictureIo::saveReplacesTheOldFile()
{
    QVERIFY(saveBmpAtomically(noise(3, 3, 5), path("2.bmp")));
    const QImage second = noise(4, 2, 6);
    QVERIFY(saveBmpAtomically(second, path("2.bmp")));
    QCOMPARE(loadPicture(path("2.bmp")), second);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"2.bmp"}));
    QVERIFY(!saveBmpAtomically(QImage(), path("3.bmp")));
    QVERIFY(!QFile::exists(path("3.bmp")));
}

void TestPictureIo::failedSaveKeepsTheOldFile()
{
    const QImage old = noise(5, 5, 7);
    QVERIFY(QDir(dir_->path()).mkdir("set"));
    QVERIFY(saveBmpAtomically(old, path("set/1.bmp")));
    // A folder that cannot be written means nothing to root, so there the target's parent is a file.
    if (geteuid() != 0) {
        QVERIFY(QFile::setPermissions(path("set"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(!saveBmpAtomically(noise(5, 5, 8), path("set/1.bmp")));
        QVERIFY(QFile::setPermissions(path("set"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner));
        QCOMPARE(loadPicture(path("set/1.bmp")), old);
    }
    QVERIFY(!saveBmpAtomically(noise(5, 5, 8), path("set/1.bmp/2.bmp")));
    QVERIFY(!saveBmpAtomically(noise(5, 5, 8), path("missing/1.bmp")));
    QCOMPARE(loadPicture(path("set/1.bmp")), old);
    QCOMPARE(QDir(path("set")).entryList(QDir::Files | QDir::Hidden), QStringList({"1.bmp"}));
}

QTEST_GUILESS_MAIN(TestPictureIo)
#include "test_picture_io.moc"
