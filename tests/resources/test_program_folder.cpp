// The shipped files other than the pages, measured as the program will read them.
#include "platform/files.h"
#include "tests/support/samples.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

QString folder() { return qEnvironmentVariable("TINTARO_PROGRAM_FOLDER"); }
QString file(const QString& relative) { return folder() + "/" + relative; }

// The mean colour difference between neighbouring columns (or rows) of a tile.
struct Seams {
    double acrossEdge = 0;   // between the last and the first column
    double largestInside = 0; // the largest between two inner neighbours
};

double lineDifference(const QImage& image, bool columns, int a, int b)
{
    const int length = columns ? image.height() : image.width();
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb p = columns ? image.pixel(a, i) : image.pixel(i, a);
        const QRgb q = columns ? image.pixel(b, i) : image.pixel(i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return sum / length;
}

Seams seamsOf(const QImage& image, bool columns)
{
    const int n = columns ? image.width() : image.height();
    Seams s;
    s.acrossEdge = lineDifference(image, columns, n - 1, 0);
    for (int i = 0; i + 1 < n; ++i)
        s.largestInside = std::max(s.largestInside, lineDifference(image, columns, i, i + 1));
    return s;
}

// A tile is seamless when crossing its edge changes no more than a step inside it does.
bool seamless(const QImage& image, double slack)
{
    for (bool columns : {true, false}) {
        const Seams s = seamsOf(image, columns);
        if (s.acrossEdge > s.largestInside + slack)
            return false;
    }
    return true;
}

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<qint16> samples;
};

Wave readWave(const QString& path)
{
    QFile f(path);
    Wave w;
    if (!f.open(QIODevice::ReadOnly))
        return w;
    const QByteArray b = f.readAll();
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data")
        return w;
    const auto* d = reinterpret_cast<const uchar*>(b.constData());
    w.format = qFromLittleEndian<quint16>(d + 20);
    w.channels = qFromLittleEndian<quint16>(d + 22);
    w.rate = int(qFromLittleEndian<quint32>(d + 24));
    w.bits = qFromLittleEndian<quint16>(d + 34);
    const int bytes = int(std::min<qint64>(qFromLittleEndian<quint32>(d + 40), b.size() - 44));
    for (int i = 0; i + 1 < bytes; i += 2)
        w.samples.push_back(qFromLittleEndian<qint16>(d + 44 + i));
    return w;
}

} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT

private slots:
    void everyFileIsThere();
    void settings();
    void palettes();
    void textures();
    void animations_data();
    void animations();
    void sounds_data();
    void sounds();
    void soundsDiffer();
    void background();
};

void TestProgramFolder::everyFileIsThere()
{
    const QStringList files = {"paletas/paletapeque.bmp", "paletas/paletagrande.bmp", "gifs/pato.gif",
                               "gifs/lapiz.gif", "gifs/recta.gif", "fondo.jpg", "configuracion/borra.txt",
                               "configuracion/impresora.txt", "sonidos/sonido1.wav", "sonidos/sonido2.wav",
                               "sonidos/sonido3.wav", "sonidos/sonido4.wav", "sonidos/sonido5.wav"};
    for (const QString& f : files)
        QVERIFY2(platform::fileLookup(file(f)) == f.section('/', -1), qPrintable(f));
    QVERIFY(!platform::listPlainFiles(file("logos")).isEmpty());
    QVERIFY(platform::listPlainFiles(file("texturas")).size() >= 10);
    QDirIterator it(folder(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.suffix() != "bmp" || !info.path().contains("/dibujos/"))
            QVERIFY2(info.permissions().testFlag(QFile::ReadOther), qPrintable(info.filePath()));
    }
}

void TestProgramFolder::settings()
{
    QCOMPARE(platform::readFirstLine(file("configuracion/borra.txt")), QString("NO"));
    QCOMPARE(QFileInfo(file("configuracion/impresora.txt")).size(), 0);
}

void TestProgramFolder::palettes()
{
    const QImage small(file("paletas/paletapeque.bmp"));
    const QImage large(file("paletas/paletagrande.bmp"));
    for (const QImage& palette : {small, large}) {
        QCOMPARE(palette.width(), 90);
        QVERIFY(palette.height() >= 400 && palette.height() <= 660);
    }
    const QSet<QRgb> smallColours = testsupport::coloursOf(small);
    QVERIFY(smallColours.size() >= 10 && smallColours.size() <= 14);
    const QSet<QRgb> largeColours = testsupport::coloursOf(large);
    QVERIFY(largeColours.size() >= 48);
    QVERIFY(largeColours.contains(qRgb(255, 255, 255)) && largeColours.contains(qRgb(0, 0, 0)));
}

void TestProgramFolder::textures()
{
    for (const QString& name : platform::listPlainFiles(file("texturas"))) {
        const QImage texture(file("texturas/" + name));
        QCOMPARE(texture.size(), QSize(97, 73));
        QVERIFY2(seamless(texture, 6), qPrintable(name));
        const QSet<QRgb> colours = testsupport::coloursOf(texture);
        QVERIFY2(colours.size() >= 2, qPrintable(name));
        // Neither the texture fill's marker colour nor the outline black.
        QVERIFY(!colours.contains(qRgb(255, 224, 192)));
        QVERIFY(!colours.contains(qRgb(0, 0, 0)));
    }
}

void TestProgramFolder::animations_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("pato") << "gifs/pato.gif" << QSize(90, 91);
    QTest::newRow("lapiz") << "gifs/lapiz.gif" << QSize(74, 121);
    QTest::newRow("recta") << "gifs/recta.gif" << QSize(94, 81);
}

void TestProgramFolder::animations()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QImageReader reader(file(name));
    QCOMPARE(reader.size(), size);
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.loopCount(), -1);
    QVERIFY(reader.imageCount() >= 6);
    QImage previous;
    for (int i = 0; i < reader.imageCount(); ++i) {
        const QImage frame = reader.read();
        QCOMPARE(frame.size(), size);
        QVERIFY(reader.nextImageDelay() >= 50 && reader.nextImageDelay() <= 250);
        QVERIFY2(frame != previous, "each frame moves");
        previous = frame;
    }
    // A light background: the corner pixel.
    QVERIFY(qGray(previous.pixel(0, 0)) > 200);
}

void TestProgramFolder::sounds_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 5; ++n)
        QTest::addRow("sonido%d", n) << n;
}

// 16-bit PCM, under 0.6 s, a peak near -3 dBFS, silent at both ends.
void TestProgramFolder::sounds()
{
    QFETCH(int, n);
    const Wave w = readWave(file(QString("sonidos/sonido%1.wav").arg(n)));
    QCOMPARE(w.format, 1);
    QCOMPARE(w.bits, 16);
    QVERIFY(w.channels == 1 && w.rate >= 22050);
    const double seconds = double(w.samples.size()) / w.rate;
    QVERIFY(seconds > 0.08 && seconds < 0.6);
    int peak = 0;
    for (qint16 s : w.samples)
        peak = std::max(peak, std::abs(int(s)));
    const double dbfs = 20 * std::log10(peak / 32768.0);
    QVERIFY2(dbfs > -3.5 && dbfs < -2.5, qPrintable(QString::number(dbfs)));
    QVERIFY(std::abs(w.samples.front()) < 64 && std::abs(w.samples.back()) < 64);
}

void TestProgramFolder::soundsDiffer()
{
    std::vector<std::vector<qint16>> all;
    for (int n = 1; n <= 5; ++n)
        all.push_back(readWave(file(QString("sonidos/sonido%1.wav").arg(n))).samples);
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            QVERIFY(all[i] != all[j]);
}

void TestProgramFolder::background()
{
    const QImage tile(file("fondo.jpg"));
    QVERIFY(tile.width() >= 64 && tile.height() >= 64);
    QVERIFY(seamless(tile, 12));
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
