// Every input the fuzzers kept (fuzz/regressions/<target>/) through every
// loader the program reads files with, in this build and its sanitizer build,
// so that a fixed fault stays fixed where clang is not at hand.
#include "picture_input.h"
#include "svg_input.h"
#include "platform/files.h"
#include "platform/picture_io.h"

#include <QBuffer>
#include <QDirIterator>
#include <QGuiApplication>
#include <QMovie>
#include <QtTest>

namespace {

// Plays the file's frames as the animated tool marker would.
int playFrames(const QString& path)
{
    QMovie movie(path);
    int frames = 0;
    if (!movie.isValid() || !movie.jumpToFrame(0))
        return frames;
    for (frames = 1; frames < 256 && movie.jumpToNextFrame(); ++frames) {
    }
    return frames;
}

} // namespace

class FuzzRegressionsTest : public QObject {
    Q_OBJECT
private slots:
    void keptInput_data();
    void keptInput();
};

void FuzzRegressionsTest::keptInput_data()
{
    QTest::addColumn<QString>("path");
    QDirIterator it(TINTARO_FUZZ_REGRESSIONS, QDir::Files, QDirIterator::Subdirectories);
    int kept = 0;
    for (; it.hasNext(); ++kept) {
        const QString path = it.next();
        QTest::newRow(qPrintable(QDir(TINTARO_FUZZ_REGRESSIONS).relativeFilePath(path))) << path;
    }
    if (kept == 0)
        QTest::newRow("none kept") << QString();
}

void FuzzRegressionsTest::keptInput()
{
    QFETCH(QString, path);
    if (path.isEmpty())
        QSKIP("no fuzz input kept yet");
    const QImage page = platform::loadPicture(path);
    const QImage icon = platform::loadPicture(path, true);
    QCOMPARE(page.isNull(), icon.isNull());
    if (!page.isNull()) {
        QCOMPARE(page.format(), QImage::Format_RGB32);
        QVERIFY(page.width() <= platform::kMaxPictureSide && page.height() <= platform::kMaxPictureSide);
    }
    QVERIFY(playFrames(path) >= 0);
    QVERIFY(!platform::readFirstLine(path).contains('\n'));
    const importer::PictureFile drawing = importer::readPictureFile(path);
    if (drawing.ok())
        QVERIFY(!importer::renderPicture(drawing, {120, 83}).isNull());
    // A drawing made self-contained leaves nothing more out the second time.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (const importer::SelfContainedSvg svg = importer::selfContainedSvg(file.readAll()); !svg.document.isEmpty())
        QCOMPARE(importer::selfContainedSvg(svg.document).dropped, 0);
}

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    FuzzRegressionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fuzz_regressions.moc"
