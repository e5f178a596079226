// The tintaro-import program as a parent runs it: numbering, new sets and
// logos, messages and exit statuses, and bad input that changes nothing.
#include "lineart/gif_writer.h"
#include "sample_drawings.h"
#include "tests/support/samples.h"
#include "tools/import/page_fit.h"
#include "tests/support/test_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QPainter>
#include <QProcess>
#include <QtTest>
#include <zlib.h>

using testsupport::TestFolder;

namespace {

using Run = testsupport::ImportRun;

Run import(const TestFolder& folder, const QStringList& arguments) { return testsupport::runImporter(folder, arguments); }

// Every file and folder under `path` with a digest of its content.
QMap<QString, QByteArray> snapshot(const QString& path)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        files[QDir(path).relativeFilePath(entry)] =
            it.fileInfo().isFile() ? testsupport::fileBytesDigest(entry) : QByteArray("folder");
    }
    return files;
}

TestFolder programFolder()
{
    TestFolder folder;
    QDir().mkpath(folder.file("logos"));
    QDir().mkpath(folder.file("dibujos"));
    return folder;
}

QImage drawing(int boxes) { return testsupport::boxesInARow({800, 300}, {30, 40, 120, 200}, 150, boxes); }

QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk;
    QDataStream(&chunk, QIODevice::WriteOnly) << quint32(data.size());
    const QByteArray body = QByteArray(type) + data;
    chunk += body;
    const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size())));
    QDataStream tail(&chunk, QIODevice::Append);
    tail << crc;
    return chunk;
}

// A valid white 1-bit PNG of `side` x `side` pixels, compressed row by row.
QByteArray hugePng(int side)
{
    const int rowBytes = (side + 7) / 8 + 1;
    QByteArray row(rowBytes, char(0xFF));
    row[0] = 0; // no filter
    z_stream z{};
    if (deflateInit(&z, Z_BEST_SPEED) != Z_OK)
        return {};
    QByteArray compressed;
    char buffer[65536];
    for (int y = 0; y < side; ++y) {
        z.next_in = reinterpret_cast<Bytef*>(row.data());
        z.avail_in = uInt(row.size());
        const int flush = y + 1 == side ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = reinterpret_cast<Bytef*>(buffer);
            z.avail_out = sizeof buffer;
            deflate(&z, flush);
            compressed.append(buffer, int(sizeof buffer - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly) << quint32(side) << quint32(side) << quint8(1) << quint8(0)
                                               << quint8(0) << quint8(0) << quint8(0);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", compressed) +
           pngChunk("IEND", {});
}

QByteArray encoded(const QImage& image, const char* format)
{
    if (qstrcmp(format, "gif") == 0)
        return lineart::encodeGif(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray pngOf(const QImage& image) { return encoded(image, "PNG"); }

} // namespace

class ImportCommandTest : public QObject {
    Q_OBJECT
private slots:
    void newSetGetsPagesAndALogo();
    void pagesFollowTheLastPage();
    void aPageBeyondAGapIsNeverOverwritten();
    void aStaleColouredCopyIsNeverShownForANewPage();
    void badPicturesChangeNothing_data();
    void badPicturesChangeNothing();
    void badSetNamesAreRefused_data();
    void badSetNamesAreRefused();
    void badCommandLinesAreRefused_data();
    void badCommandLinesAreRefused();
    void logoPictureIsFittedIn();
    void logoPictureReplacesTheSetsLogo();
    void closeWidensTheGapsClosed();
    void photographsNeedForce();
    void qtRemarksAreNotShown();
    void notAProgramFolder();
    void failedWriteTakesBackWhatWasWritten();
    void helpDescribesTheOptions();
};

void ImportCommandTest::newSetGetsPagesAndALogo()
{
    const TestFolder folder = programFolder();
    folder.writeImage("in/casa.png", drawing(2));
    folder.writeImage("in/barco.bmp", drawing(3));
    const Run run = import(folder, {"--set", "mis dibujos %1", folder.file("in/casa.png"), folder.file("in/barco.bmp")});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QVERIFY2(run.out.contains("dibujos/mis dibujos %1/1.gif from " + folder.file("in/casa.png") + ": 3 areas, 0 gaps closed"),
             qPrintable(run.out));
    QVERIFY2(run.out.contains("dibujos/mis dibujos %1/2.gif from " + folder.file("in/barco.bmp") + ": 4 areas, 0 gaps closed"),
             qPrintable(run.out));
    // How much of each page is black: a few outlines, a few per cent.
    const QRegularExpression black(": 3 areas, 0 gaps closed, ([1-9])% black\n");
    QVERIFY2(black.match(run.out).hasMatch(), qPrintable(run.out));
    QVERIFY(run.out.contains("logos/mis dibujos %1.gif: logo made from page 1"));
    QVERIFY(run.out.contains("The set mis dibujos %1 has 2 pages now."));
    for (int n : {1, 2}) {
        const QImage page(folder.file(QString("dibujos/mis dibujos %1/") + QString::number(n) + ".gif"));
        QCOMPARE(page.size(), importer::kPageSize);
        QCOMPARE(testsupport::countColour(page, qRgb(0, 0, 0)) + testsupport::countColour(page, qRgb(255, 255, 255)),
                 qint64(importer::kPageSize.width()) * importer::kPageSize.height());
    }
    QCOMPARE(QImage(folder.file("logos/mis dibujos %1.gif")).size(), QSize(57, 67));
    const auto permissions = QFileInfo(folder.file("dibujos/mis dibujos %1/1.gif")).permissions();
    QVERIFY(permissions.testFlag(QFileDevice::ReadOther));
    // The set's name is used as it stands, "%1" and all.
    QCOMPARE(QDir(folder.file("dibujos/mis dibujos %1")).entryList(QDir::Files | QDir::Hidden),
             QStringList({"1.gif", "2.gif"}));
}

void ImportCommandTest::pagesFollowTheLastPage()
{
    const TestFolder folder = programFolder();
    folder.addSet("animales.gif", {drawing(1).convertToFormat(QImage::Format_RGB32), drawing(1)});
    folder.writeImage("in/pez.png", drawing(4));
    const auto before = snapshot(folder.path());
    const Run run = import(folder, {"--set", "animales", folder.file("in/pez.png")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("dibujos/animales/3.gif from"));
    QVERIFY(!run.out.contains("logo"));
    QVERIFY(run.out.contains("The set animales has 3 pages now."));
    auto after = snapshot(folder.path());
    QVERIFY(after.remove("dibujos/animales/3.gif") == 1);
    QCOMPARE(after, before); // the earlier pages and the logo are untouched
}

void ImportCommandTest::aPageBeyondAGapIsNeverOverwritten()
{
    const TestFolder folder = programFolder();
    folder.addSet("animales.gif", {drawing(1), drawing(1)});
    folder.writeImage("dibujos/animales/4.gif", drawing(2));
    folder.writeImage("in/a.png", drawing(3));
    const auto before = snapshot(folder.path());
    Run run = import(folder, {"--set", "animales", folder.file("in/a.png"), folder.file("in/a.png")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("dibujos/animales/4.gif exists already"), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(snapshot(folder.path()), before);
    // One page fills the gap, and page 4 becomes reachable.
    run = import(folder, {"--set", "animales", folder.file("in/a.png")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("The set animales has 4 pages now."));
    QCOMPARE(snapshot(folder.path()).value("dibujos/animales/4.gif"), before.value("dibujos/animales/4.gif"));
}

void ImportCommandTest::aStaleColouredCopyIsNeverShownForANewPage()
{
    const TestFolder folder = programFolder();
    folder.addSet("animales.gif", {drawing(1)});
    folder.writeImage("dibujos/animales/2.bmp", drawing(2));
    folder.writeImage("in/a.png", drawing(3));
    const auto before = snapshot(folder.path());
    const Run run = import(folder, {"--set", "animales", folder.file("in/a.png")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("dibujos/animales/2.bmp exists already"), qPrintable(run.err));
    QCOMPARE(snapshot(folder.path()), before);
}

void ImportCommandTest::badPicturesChangeNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QByteArray png = pngOf(drawing(2));
    QTest::newRow("empty file") << "vacio.png" << QByteArray() << "the file is empty";
    QTest::newRow("text named .png") << "nota.png" << QByteArray("Esto no es un dibujo.\n")
                                     << "not a picture Tintaro can read (PNG, JPEG, GIF, BMP or SVG)";
    QTest::newRow("truncated PNG") << "cortado.png" << png.left(png.size() / 2)
                                   << "the picture is damaged or incomplete";
    for (const char* format : {"jpg", "bmp", "gif"}) {
        const QString name = QString("cortado.%1").arg(format);
        const QByteArray whole = encoded(drawing(2), format);
        QTest::newRow(qPrintable("truncated " + name)) << name << whole.left(whole.size() / 2)
                                                        << "the picture is damaged or incomplete";
    }
    QTest::newRow("40000 x 40000 PNG") << "enorme.png" << hugePng(40000)
                                       << "the picture is too large (40000 x 40000 pixels; at most 32768 pixels "
                                          "a side and 160 million in all)";
    QTest::newRow("9 MiB SVG") << "enorme.svg"
                               << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"><!--") +
                                      QByteArray(9 << 20, 'x') + "--></svg>"
                               << "the drawing is too large (10 MiB; at most 8 MiB)";
    QTest::newRow("broken SVG") << "roto.svg" << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect")
                                << "damaged SVG drawing";
    QImage plain(50, 50, QImage::Format_RGB32);
    plain.fill(Qt::black);
    QTest::newRow("all black") << "negro.png" << pngOf(plain) << "found no light paper";
    plain.fill(Qt::white);
    QTest::newRow("all white") << "blanco.png" << pngOf(plain) << "found no lines to colour";
}

void ImportCommandTest::badPicturesChangeNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const TestFolder folder = programFolder();
    folder.addSet("animales.gif", {drawing(1)});
    folder.writeImage("in/bueno.png", drawing(2));
    folder.writeText("in/" + name, content);
    const auto before = snapshot(folder.path());
    for (const char* set : {"animales", "nuevo"}) {
        const Run run = import(folder, {"--set", set, folder.file("in/bueno.png"), folder.file("in/" + name)});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("tintaro-import: " + folder.file("in/" + name) + ": " + message), qPrintable(run.err));
        QVERIFY(run.err.contains("nothing was added"));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(snapshot(folder.path()), before);
    }
}

void ImportCommandTest::badSetNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "the set name is empty";
    QTest::newRow("slash") << "a/b" << "cannot contain / or \\";
    QTest::newRow("backslash") << "a\\b" << "cannot contain / or \\";
    QTest::newRow("parent") << ".." << "cannot begin with a dot";
    QTest::newRow("here") << "." << "cannot begin with a dot";
    QTest::newRow("hidden") << ".oculto" << "cannot begin with a dot";
    QTest::newRow("new line") << "dos\nlineas" << "control characters";
}

void ImportCommandTest::badSetNamesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    const TestFolder folder = programFolder();
    folder.writeImage("in/a.png", drawing(1));
    const auto before = snapshot(folder.path());
    const Run run = import(folder, {"--set", name, folder.file("in/a.png")});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(snapshot(folder.path()), before);
}

void ImportCommandTest::badCommandLinesAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no set") << QStringList{"a.png"} << "--set is missing";
    QTest::newRow("no pictures") << QStringList{"--set", "x"} << "no pictures given";
    QTest::newRow("close not a number") << QStringList{"--set", "x", "--close", "mucho", "a.png"} << "--close takes";
    QTest::newRow("close too wide") << QStringList{"--set", "x", "--close", "17", "a.png"} << "from 0 to 16";
    QTest::newRow("unknown option") << QStringList{"--set", "x", "--colour", "a.png"} << "Unknown option";
}

void ImportCommandTest::badCommandLinesAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const TestFolder folder = programFolder();
    const Run run = import(folder, arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.err.contains("Try 'tintaro-import --help'."));
}

void ImportCommandTest::logoPictureIsFittedIn()
{
    const TestFolder folder = programFolder();
    QImage badge(300, 100, QImage::Format_RGB32);
    badge.fill(qRgb(200, 30, 30));
    folder.writeImage("in/escudo.png", badge);
    folder.writeImage("in/a.png", drawing(1));
    const Run run = import(folder, {"--set", "mios", "--logo", folder.file("in/escudo.png"), folder.file("in/a.png")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("logos/mios.gif: logo from " + folder.file("in/escudo.png")));
    const QImage logo(folder.file("logos/mios.gif"));
    QCOMPARE(logo.size(), QSize(57, 67));
    QCOMPARE(logo.pixel(28, 2), qRgb(255, 255, 255)); // a wide picture: white above and below
    QCOMPARE(logo.pixel(28, 33), qRgb(200, 30, 30));
}

void ImportCommandTest::logoPictureReplacesTheSetsLogo()
{
    const TestFolder folder = programFolder();
    folder.addSet("animales.gif", {drawing(1)});
    folder.addSet("plantas.bmp", {drawing(1)});
    QImage badge(57, 67, QImage::Format_RGB32);
    badge.fill(qRgb(20, 120, 200));
    folder.writeImage("in/escudo.png", badge);
    folder.writeImage("in/a.png", drawing(1));
    Run run = import(folder, {"--set", "animales", "--logo", folder.file("in/escudo.png"), folder.file("in/a.png")});
    QCOMPARE(run.status, 0);
    QCOMPARE(QImage(folder.file("logos/animales.gif")).pixel(28, 33), qRgb(20, 120, 200));
    QVERIFY(folder.exists("dibujos/animales/2.gif"));
    // A logo in another format is left to the parent, so the set never has two.
    const auto before = snapshot(folder.path());
    run = import(folder, {"--set", "plantas", "--logo", folder.file("in/escudo.png"), folder.file("in/a.png")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("the set's logo is logos/plantas.bmp"), qPrintable(run.err));
    QCOMPARE(snapshot(folder.path()), before);
}

void ImportCommandTest::closeWidensTheGapsClosed()
{
    const TestFolder folder = programFolder();
    QImage box = drawing(1);
    QPainter(&box).fillRect(60, 40, 6, 3, Qt::white);
    folder.writeImage("in/abierta.png", box);
    Run run = import(folder, {"--set", "a", folder.file("in/abierta.png")});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(": 1 area, 0 gaps closed"), qPrintable(run.out));
    run = import(folder, {"--set", "a", "--close", "8", folder.file("in/abierta.png")});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains("dibujos/a/2.gif from " + folder.file("in/abierta.png") + ": 2 areas, 1 gap closed"),
             qPrintable(run.out));
}

void ImportCommandTest::photographsNeedForce()
{
    const TestFolder folder = programFolder();
    folder.writeImage("in/casa.png", drawing(1));
    folder.writeImage("in/foto.jpg", sampledrawings::colourPhoto().picture);
    const auto before = snapshot(folder.path());
    Run run = import(folder, {"--set", "fotos", folder.file("in/casa.png"), folder.file("in/foto.jpg")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(folder.file("in/foto.jpg") + ": looks like a photograph or a painting"), qPrintable(run.err));
    QVERIFY(run.err.contains("add --force to import it anyway"));
    QVERIFY(run.err.contains("nothing was added"));
    QCOMPARE(snapshot(folder.path()), before);
    run = import(folder, {"--set", "fotos", "--force", folder.file("in/casa.png"), folder.file("in/foto.jpg")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("The set fotos has 2 pages now."));
}

// Qt's remarks on pictures it reads all the same, and on a missing runtime
// folder when run outside a session, are no messages of the tool's.
void ImportCommandTest::qtRemarksAreNotShown()
{
    const TestFolder folder = programFolder();
    // A PNG whose text chunk is damaged: libpng skips it and says so.
    QByteArray png = pngOf(drawing(2));
    QByteArray damaged = pngChunk("tEXt", QByteArray("Title\0casa", 10));
    damaged[damaged.size() - 1] = char(damaged.back() ^ 0xFF);
    png.insert(8 + 25, damaged); // after the signature and IHDR
    folder.writeText("in/casa.png", png);
    // An SVG that uses a shape it never defines: the renderer leaves it out and says so.
    folder.writeText("in/barco.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200">
        <rect x="10" y="10" width="130" height="90" fill="none" stroke="black" stroke-width="2"/>
        <circle cx="220" cy="110" r="60" fill="none" stroke="black" stroke-width="2"/>
        <use href="#vela"/></svg>)");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    const Run run = import(folder, {"--set", "mar", folder.file("in/casa.png"), folder.file("in/barco.svg")});
    if (!runtime.isNull())
        qputenv("XDG_RUNTIME_DIR", runtime);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains("The set mar has 2 pages now."), qPrintable(run.out));
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
}

void ImportCommandTest::notAProgramFolder()
{
    const TestFolder folder;
    folder.writeImage("a.png", drawing(1));
    const auto before = snapshot(folder.path());
    const Run run = import(folder, {"--set", "a", folder.file("a.png")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("is not a Tintaro program folder"), qPrintable(run.err));
    QCOMPARE(snapshot(folder.path()), before);
}

void ImportCommandTest::failedWriteTakesBackWhatWasWritten()
{
    // The logo is written last; a folder in its way makes it fail after the pages.
    const TestFolder folder = programFolder();
    QDir().mkpath(folder.file("logos/nuevo.gif"));
    folder.writeImage("in/a.png", drawing(1));
    const auto before = snapshot(folder.path());
    const Run run = import(folder, {"--set", "nuevo", folder.file("in/a.png"), folder.file("in/a.png")});
    QCOMPARE(run.status, 3);
    QVERIFY2(run.err.contains("cannot write " + folder.file("logos/nuevo.gif")), qPrintable(run.err));
    QVERIFY(run.err.contains("Nothing was added"));
    QCOMPARE(snapshot(folder.path()), before);
}

void ImportCommandTest::helpDescribesTheOptions()
{
    const TestFolder folder = programFolder();
    const Run run = import(folder, {"--help"});
    QCOMPARE(run.status, 0);
    for (const char* option : {"--set <name>", "--logo <picture>", "--close <n>", "--folder <folder>", "--force"})
        QVERIFY2(run.out.contains(option), option);
}

QTEST_MAIN(ImportCommandTest)
#include "test_import_command.moc"
