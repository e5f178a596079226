// Counting a JPEG's scans before decoding it, and the work limit on scans.
#include "platform/jpeg_scans.h"
#include "platform/picture_io.h"
#include "tests/support/hostile_files.h"

#include <QRandomGenerator>
#include <QTest>

using namespace platform;

namespace {

QImage photo(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 3 % 256, (x + y) % 256));
    return image;
}

QByteArray segment(int marker, const QByteArray& body)
{
    const int length = int(body.size()) + 2;
    return QByteArray{"\xFF"} + char(marker) + char(length >> 8) + char(length & 0xFF) + body;
}

} // namespace

class TestJpegScans : public QObject {
    Q_OBJECT
private slots:
    void baselineAndProgressiveFiles();
    void stuffedBytesRestartsAndFillAreNotMarkers();
    void cutAndForeignBytes();
    void theScanBombIsRefusedBeforeDecoding();
    void workLimit();
};

void TestJpegScans::baselineAndProgressiveFiles()
{
    const QImage picture = photo({320, 200});
    const QByteArray baseline = testsupport::encodedAs(picture, "jpeg");
    QCOMPARE(jpegLayout(baseline).scans, 1);
    QVERIFY(jpegLayout(baseline).complete);
    const JpegLayout progressive = jpegLayout(testsupport::encodedAs(picture, "jpeg", true));
    QVERIFY2(progressive.scans >= 6 && progressive.scans <= 12, qPrintable(QString::number(progressive.scans)));
    QVERIFY(progressive.complete);
    const QByteArray greyJpeg = testsupport::encodedAs(picture.convertToFormat(QImage::Format_Grayscale8), "jpeg", true);
    QVERIFY(jpegLayout(greyJpeg).scans >= 2);
    QCOMPARE(decodePicture(testsupport::encodedAs(picture, "jpeg", true), PictureFormat::Jpeg).size(), picture.size());
}

// Inside a scan, FF 00 is a stuffed byte, FF D0..D7 a restart and FF FF fill:
// only another code ends the scan.
void TestJpegScans::stuffedBytesRestartsAndFillAreNotMarkers()
{
    const QByteArray header = QByteArray("\xFF\xD8", 2) + segment(0xE0, "JFIF\0") + segment(0xDB, QByteArray(65, '\1'));
    const QByteArray scanData = QByteArray("\x12\xFF\x00\x34\xFF\xD3\x56\xFF\xDA", 9).left(8);
    QByteArray file = header + segment(0xDA, QByteArray(10, '\2')) + scanData;
    QCOMPARE(jpegLayout(file + "\xFF\xD9").scans, 1);
    QVERIFY(jpegLayout(file + "\xFF\xD9").complete);
    QVERIFY(jpegLayout(file + "\xFF\xFF\xFF\xD9").complete);
    file += segment(0xDA, QByteArray(10, '\2')) + scanData + segment(0xC4, QByteArray(20, '\3'));
    file += segment(0xDA, QByteArray(10, '\2')) + "\x01\x02\xFF\xD9";
    QCOMPARE(jpegLayout(file).scans, 3);
    QVERIFY(jpegLayout(file).complete);
}

void TestJpegScans::cutAndForeignBytes()
{
    const QByteArray progressive = testsupport::encodedAs(photo({200, 120}), "jpeg", true);
    const int whole = jpegLayout(progressive).scans;
    for (qsizetype cut = 0; cut < progressive.size(); cut += 37) {
        const JpegLayout layout = jpegLayout(progressive.left(cut));
        QVERIFY(!layout.complete);
        QVERIFY(layout.scans <= whole);
    }
    QCOMPARE(jpegLayout(QByteArray("GIF89a\xFF\xDA\xFF\xD9")).scans, 0);
    QVERIFY(!jpegLayout(QByteArray()).complete);
    QVERIFY(!jpegLayout(QByteArray("\xFF\xD8\xFF\xD9", 4)).complete); // no scan: no picture
    // A segment length that runs past the end, or below its own size.
    QVERIFY(!jpegLayout(QByteArray("\xFF\xD8\xFF\xDA\x7F\xFF\xFF\xD9", 8)).complete);
    QVERIFY(!jpegLayout(QByteArray("\xFF\xD8\xFF\xDA\x00\x01\xFF\xD9", 8)).complete);
    QRandomGenerator random(11);
    for (int i = 0; i < 2000; ++i) {
        QByteArray noise(random.bounded(1, 300), '\0');
        for (char& c : noise)
            c = char(random.bounded(256));
        noise.prepend(QByteArray("\xFF\xD8", 2));
        QVERIFY(jpegLayout(noise).scans <= noise.count(QByteArrayView("\xFF\xDA", 2)));
    }
}

// A 400 KB file that would hold the decoder for tens of seconds.
void TestJpegScans::theScanBombIsRefusedBeforeDecoding()
{
    const QByteArray bomb = testsupport::scanBombJpeg();
    QVERIFY(bomb.size() < 600 * 1024);
    QCOMPARE(jpegLayout(bomb).scans, 5000);
    QVERIFY(jpegLayout(bomb).complete);
    QCOMPARE(announcedSize(bomb, PictureFormat::Jpeg), QSize(16384, 2440));
    QVERIFY(decodePicture(bomb, PictureFormat::Jpeg).isNull());
    // Just within the count, but not within the work of a picture that large.
    QVERIFY(decodePicture(testsupport::scanBombJpeg({16384, 2440}, kMaxJpegScans), PictureFormat::Jpeg).isNull());
    // The same count on a small picture is decoded.
    QCOMPARE(decodePicture(testsupport::scanBombJpeg({64, 48}, kMaxJpegScans), PictureFormat::Jpeg).size(),
             QSize(64, 48));
    QVERIFY(decodePicture(testsupport::scanBombJpeg({64, 48}, kMaxJpegScans + 1), PictureFormat::Jpeg).isNull());
}

void TestJpegScans::workLimit()
{
    const QSize largest(8000, 5000);
    QVERIFY(jpegWorkAcceptable(10, largest));
    QVERIFY(jpegWorkAcceptable(16, largest));
    QVERIFY(!jpegWorkAcceptable(17, largest));
    QVERIFY(jpegWorkAcceptable(kMaxJpegScans, {1920, 1080}));
    QVERIFY(!jpegWorkAcceptable(kMaxJpegScans + 1, {10, 10}));
}

QTEST_GUILESS_MAIN(TestJpegScans)
#include "test_jpeg_scans.moc"
