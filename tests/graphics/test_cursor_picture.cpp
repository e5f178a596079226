// Pictures turned into pointers: sizes, hot spot, transparency and stretch modes.
#include "graphics/cursor_pair.h"
#include "graphics/module1.h"
#include "palette/cursor_template.h"

#include <QPainter>
#include <QtTest>

Q_DECLARE_METATYPE(graphics::Picture)

using graphics::MakeCursorPicture;
using graphics::Picture;

namespace {

constexpr platform::ColourValue kWhiteKey = 0xFFFFFF;
constexpr platform::ColourValue kNoKey = platform::kInvalidColour;
constexpr int kHalftone = 4;
constexpr int kWhiteOnBlack = 2;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

// Every pointer the routine makes has these properties.
void checkPointer(const Picture& pointer, QSize size)
{
    QCOMPARE(pointer.type, Picture::Type::Icon);
    QCOMPARE(pointer.image.format(), QImage::Format_ARGB32);
    QCOMPARE(pointer.image.size(), size);
    QCOMPARE(pointer.hotSpot, QPoint(0, 0));
}

// The pointer expected from an opaque picture of the same size: transparent
// (0) exactly where the picture has `key`.
QImage expectedPointer(const QImage& picture, QRgb key, bool withKey)
{
    QImage expected = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (withKey && expected.pixel(x, y) == key)
                expected.setPixel(x, y, 0);
    return expected;
}

QString firstDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x).arg(y).arg(actual.pixel(x, y), 8, 16).arg(expected.pixel(x, y), 8, 16);
    return {};
}

bool fullyTransparent(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0)
                return false;
    return true;
}

// A 32 x 32 picture: white, a black ring, white inside the ring, a red dot in the middle.
QImage ringPicture()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.fillRect(4, 4, 24, 24, kBlack);
    painter.fillRect(6, 6, 20, 20, kWhite);
    painter.fillRect(14, 14, 4, 4, kRed);
    return image;
}

// Every pixel a different colour, none of them white.
QImage patternPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7, y * 7, (x * 13 + y * 3) % 250));
    return image;
}

} // namespace

class TestCursorPicture : public QObject {
    Q_OBJECT
private slots:
    void withoutPixelsTheResultIsFullyTransparent_data()
    {
        QTest::addColumn<Picture>("picture");
        QTest::newRow("none") << Picture{};
        QTest::newRow("bitmap without pixels") << Picture::bitmap(QImage());
        QTest::newRow("metafile") << Picture{Picture::Type::Metafile, ringPicture(), {}};
        QTest::newRow("enhanced metafile") << Picture{Picture::Type::EnhMetafile, ringPicture(), {}};
        QImage white(32, 32, QImage::Format_RGB32);
        white.fill(kWhite);
        QTest::newRow("all white") << Picture::bitmap(white);
    }

    void withoutPixelsTheResultIsFullyTransparent()
    {
        QFETCH(Picture, picture);
        const Picture pointer = MakeCursorPicture(picture, 0, 0, kWhiteOnBlack, 0, kWhiteKey);
        checkPointer(pointer, QSize(32, 32));
        QVERIFY(fullyTransparent(pointer.image));
    }

    void sizeZeroMeans32_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("size");
        QTest::newRow("0 x 0") << 0 << 0 << QSize(32, 32);
        QTest::newRow("0 x 16") << 0 << 16 << QSize(32, 16);
        QTest::newRow("48 x 0") << 48 << 0 << QSize(48, 32);
        QTest::newRow("1 x 1") << 1 << 1 << QSize(1, 1);
    }

    void sizeZeroMeans32()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QSize, size);
        checkPointer(MakeCursorPicture(Picture::bitmap(ringPicture()), width, height,
                                       kWhiteOnBlack, 0, kWhiteKey), size);
        checkPointer(MakeCursorPicture(Picture{}, width, height, kHalftone, 0, kNoKey), size);
    }

    void impossibleSizesGiveNoPointer()
    {
        QCOMPARE(MakeCursorPicture(Picture{}, -1, 32, kHalftone, 0, kNoKey).type, Picture::Type::None);
        QCOMPARE(MakeCursorPicture(Picture{}, 32, 100000, kHalftone, 0, kNoKey).type, Picture::Type::None);
    }

    void sameSizeIsCopiedPixelForPixel_data()
    {
        QTest::addColumn<int>("stretchMode");
        QTest::newRow("black on white") << 1;
        QTest::newRow("white on black") << 2;
        QTest::newRow("colour on colour") << 3;
        QTest::newRow("halftone") << 4;
        QTest::newRow("unknown mode") << 0;
    }

    void sameSizeIsCopiedPixelForPixel()
    {
        QFETCH(int, stretchMode);
        const QImage picture = patternPicture(QSize(32, 32));
        for (platform::ColourValue key : {kNoKey, kWhiteKey}) {
            const Picture pointer = MakeCursorPicture(Picture::bitmap(picture), 32, 32, stretchMode, 0, key);
            checkPointer(pointer, QSize(32, 32));
            const QString difference =
                firstDifference(pointer.image, expectedPointer(picture, kWhite, false));
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
    }

    void everyWhitePixelIsTransparentEnclosedOnesIncluded()
    {
        const QImage picture = ringPicture();
        const Picture pointer =
            MakeCursorPicture(Picture::bitmap(picture), 0, 0, kWhiteOnBlack, 0, kWhiteKey);
        checkPointer(pointer, QSize(32, 32));
        QCOMPARE(pointer.image.pixel(10, 10), 0u); // white inside the ring
        const QString difference = firstDifference(pointer.image, expectedPointer(picture, kWhite, true));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void withoutKeyEverythingIsOpaque()
    {
        const QImage picture = ringPicture();
        const Picture pointer = MakeCursorPicture(Picture::bitmap(picture), 0, 0, kWhiteOnBlack, 0, kNoKey);
        checkPointer(pointer, QSize(32, 32));
        const QString difference = firstDifference(pointer.image, expectedPointer(picture, kWhite, false));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void aSystemColourKeyIsTranslated()
    {
        QImage picture = ringPicture();
        picture.fill(platform::toQRgb(platform::kSystemButtonFace));
        const Picture pointer = MakeCursorPicture(Picture::bitmap(picture), 0, 0, kWhiteOnBlack, 0,
                                                  platform::kSystemButtonFace);
        QVERIFY(fullyTransparent(pointer.image));
    }

    // Shrinking 2 x 2 black and white checks by half: halftone averages them
    // to grey, which is no longer the key; white-on-black keeps the white.
    void theKeyIsMatchedAfterScaling()
    {
        QImage picture(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                picture.setPixel(x, y, (x + y) % 2 ? kBlack : kWhite);
        const Picture halftone =
            MakeCursorPicture(Picture::bitmap(picture), 32, 32, kHalftone, 0, kWhiteKey);
        const Picture whiteOnBlack =
            MakeCursorPicture(Picture::bitmap(picture), 32, 32, kWhiteOnBlack, 0, kWhiteKey);
        const QRgb grey = halftone.image.pixel(9, 9);
        QCOMPARE(qAlpha(grey), 255);
        QVERIFY2(qRed(grey) >= 126 && qRed(grey) <= 129, qPrintable(QString::number(grey, 16)));
        QVERIFY(fullyTransparent(whiteOnBlack.image));
    }

    void anIconKeepsItsOwnMask()
    {
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(qRgba(255, 255, 255, 255));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                icon.setPixel(x, y, qRgba(0, 0, 255, 0));
        icon.setPixel(3, 12, qRgba(10, 200, 30, 255));
        const Picture pointer = MakeCursorPicture(Picture{Picture::Type::Icon, icon, {}}, 0, 0,
                                                  kWhiteOnBlack, 0, kWhiteKey);
        checkPointer(pointer, QSize(32, 32));
        QCOMPARE(pointer.image.pixel(5, 5), 0u);
        QCOMPARE(pointer.image.pixel(31, 15), 0u);
        QCOMPARE(pointer.image.pixel(0, 16), qRgba(255, 255, 255, 255));
        QCOMPARE(pointer.image.pixel(31, 31), qRgba(255, 255, 255, 255));
        QCOMPARE(pointer.image.pixel(7, 25), qRgba(10, 200, 30, 255));
    }

    void thePairFollowsTheCursorConvention()
    {
        graphics::CursorPair pair = graphics::makeCursorPair(QSize(32, 32));
        graphics::FillBlankImage(pair);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QVERIFY(graphics::maskBit(pair.mask, x, y) && pair.colour.pixel(x, y) == kBlack);
        graphics::DrawPictureMasked(Picture::bitmap(ringPicture()), pair, kWhiteKey, kWhiteOnBlack);
        QVERIFY(graphics::maskBit(pair.mask, 10, 10) && pair.colour.pixel(10, 10) == kBlack);
        QVERIFY(!graphics::maskBit(pair.mask, 15, 15) && pair.colour.pixel(15, 15) == kRed);
        QVERIFY(!graphics::maskBit(pair.mask, 4, 4) && pair.colour.pixel(4, 4) == kBlack);
    }

    void theArrowTemplateBecomesAnArrowPointer()
    {
        const Picture pointer = MakeCursorPicture(Picture::bitmap(palette::makeCursorTemplate()), 0, 0,
                                                  kWhiteOnBlack, 0, kWhiteKey);
        checkPointer(pointer, QSize(32, 32));
        // White-on-black shrinking lets the red inside win over the outline at the tip.
        QCOMPARE(qAlpha(pointer.image.pixel(0, 0)), 255);
        QCOMPARE(pointer.image.pixel(6, 0), qRgba(0, 0, 0, 255));
        QCOMPARE(pointer.image.pixel(6, 6), qRgba(255, 0, 0, 255));
        QCOMPARE(pointer.image.pixel(31, 0), 0u);
        QCOMPARE(pointer.image.pixel(31, 31), 0u);
    }

    void theQtPointerHasTheHotSpotAtTheTip()
    {
        const Picture pointer = MakeCursorPicture(Picture::bitmap(palette::makeCursorTemplate()), 0, 0,
                                                  kHalftone, 0, kWhiteKey);
        const QCursor cursor = graphics::cursorFromPicture(pointer);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(0, 0));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        QCOMPARE(graphics::cursorFromPicture(Picture{}).shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestCursorPicture)
#include "test_cursor_picture.moc"
