// One palette for the frames of a GIF: exact up to 256 colours, close beyond.
#include "lineart/quantize.h"

#include <QtTest>

#include <algorithm>
#include <cstdlib>

namespace {

// A frame of `width` x `height` whose colours come from `colourAt`.
template <typename Colour>
QImage frameOf(int width, int height, Colour colourAt)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colourAt(x, y));
    return image;
}

QRgb indexedColour(const lineart::IndexedFrames& indexed, std::size_t frame, int i)
{
    return indexed.palette.at(indexed.pixels.at(frame).at(std::size_t(i)));
}

} // namespace

class QuantizeTest : public QObject {
    Q_OBJECT
private slots:
    void fewColoursStayExactAndInOrder();
    void manyColoursShareOneCloseCommonPalette();
};

// 256 colours over two frames: each keeps its colour, the palette ascending.
void QuantizeTest::fewColoursStayExactAndInOrder()
{
    const auto grey = [](int x, int y) { return qRgb(x + 16 * y, x + 16 * y, 255 - x - 16 * y); };
    const QImage first = frameOf(16, 8, grey);
    const QImage second = frameOf(16, 8, [&](int x, int y) { return grey(x, y + 8); });
    const lineart::IndexedFrames indexed = lineart::indexFrames({first, second});
    QCOMPARE(indexed.palette.size(), std::size_t(256));
    QVERIFY(std::is_sorted(indexed.palette.begin(), indexed.palette.end()));
    QCOMPARE(indexed.pixels.size(), std::size_t(2));
    for (int i = 0; i < 16 * 8; ++i) {
        QCOMPARE(indexedColour(indexed, 0, i), first.pixel(i % 16, i / 16));
        QCOMPARE(indexedColour(indexed, 1, i), second.pixel(i % 16, i / 16));
    }
}

// 4096 colours: at most 256 remain, shared by both frames, each pixel near its own.
void QuantizeTest::manyColoursShareOneCloseCommonPalette()
{
    const auto ramp = [](int x, int y) { return qRgb(x * 4, y * 4, (x + y) * 2); };
    const QImage first = frameOf(64, 32, ramp);
    const QImage second = frameOf(64, 32, [&](int x, int y) { return ramp(x, y + 32); });
    const lineart::IndexedFrames indexed = lineart::indexFrames({first, second});
    QVERIFY(!indexed.palette.empty() && indexed.palette.size() <= 256);
    QCOMPARE(indexed.pixels.at(0).size(), std::size_t(64 * 32));
    QCOMPARE(indexed.pixels.at(1).size(), std::size_t(64 * 32));
    // 16 colours share each entry: near, not exact (giflib's median cut
    // works on 5 bits a channel).
    long total = 0;
    int worst = 0;
    for (std::size_t frame = 0; frame < 2; ++frame) {
        const QImage& original = frame == 0 ? first : second;
        for (int i = 0; i < 64 * 32; ++i) {
            const QRgb want = original.pixel(i % 64, i / 64);
            const QRgb got = indexedColour(indexed, frame, i);
            const int distance = std::abs(qRed(want) - qRed(got)) + std::abs(qGreen(want) - qGreen(got)) +
                                 std::abs(qBlue(want) - qBlue(got));
            total += distance;
            worst = std::max(worst, distance);
        }
    }
    QVERIFY2(total <= 24 * 2 * 64 * 32, qPrintable(QString("mean distance %1").arg(double(total) / (2 * 64 * 32))));
    QVERIFY2(worst <= 96, qPrintable(QString("a pixel %1 off").arg(worst)));
}

QTEST_APPLESS_MAIN(QuantizeTest)
#include "test_quantize.moc"
