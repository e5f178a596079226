// Pipes, devices and hostile pictures in place of the program's files: a
// named pipe and a link to /dev/zero (and the device itself where the test
// may make one) in place of every file the program reads; pictures of
// formats the book never uses (SVG, TIFF) and a JPEG of 5,000 scans as
// pages. The window runs in a child that starts and presses every button;
// each step must come within a bound (never reached unless something hangs
// or reads without end). The importer gets the same inputs, and SVG
// drawings whose <image> names a pipe, a device or a readable file.
#include "tests/robustness/broken_folder.h"
#include "tests/robustness/child_process.h"
#include "tests/support/hostile_files.h"
#include "tests/support/test_folder.h"

#include "platform/picture_io.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using testsupport::TestFolder;

namespace {

// A bound on each step of the window and on each importer run.
constexpr int kStepBoundMs = 60000;
const QStringList kSteps{"background", "fill", "next page", "previous page", "eraser", "undo", "page as loaded",
                         "pencil", "line", "duck", "texture", "next texture", "previous texture", "palette",
                         "swatch", "pen size", "every set", "door"};

enum class Special { Pipe, LinkToZero, ZeroDevice };

QString specialName(Special special)
{
    return special == Special::Pipe ? "a pipe" : special == Special::LinkToZero ? "a link to /dev/zero" : "a zero device";
}

// Puts `special` in place of `relative`; false when the system does not let the test make it.
bool putSpecial(const TestFolder& folder, const QString& relative, Special special)
{
    folder.remove(relative);
    const QByteArray path = QFile::encodeName(folder.file(relative));
    switch (special) {
    case Special::Pipe:
        return testsupport::makePipe(folder.file(relative));
    case Special::LinkToZero:
        return QFile::link("/dev/zero", folder.file(relative));
    case Special::ZeroDevice:
        return ::mknod(path.constData(), S_IFCHR | 0644, makedev(1, 5)) == 0;
    }
    return false;
}

// Runs the window on `folder` in a child: it starts and takes every step, each within the bound.
void probeWindow(const TestFolder& folder)
{
    robustness::ChildProcess child(QCoreApplication::applicationDirPath() + "/robustness_window_child",
                                   {"probe", folder.path()});
    QVERIFY2(child.waitForLine("started", kStepBoundMs), "the window did not start");
    for (const QString& step : kSteps)
        QVERIFY2(child.waitForLine("done " + step, kStepBoundMs), qPrintable("no end to: " + step));
    QVERIFY2(child.endsWell(kStepBoundMs), qPrintable(child.ending()));
}


QImage frame()
{
    return testsupport::outlinedPage({200, 100}, {QRect(5, 5, 190, 90)}, 4);
}

} // namespace

class SpecialFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void specialFileInPlaceOfAResource_data();
    void specialFileInPlaceOfAResource();
    void hostilePicturesAsPages_data();
    void hostilePicturesAsPages();
    void foreignFormatsAreBadPages();
    void theImporterRefusesSpecialFilesAndTheScanBomb();
    void theImporterRendersSvgWithoutOtherFiles();

private:
    std::unique_ptr<TestFolder> shipped_;
};

void SpecialFilesTest::initTestCase()
{
    shipped_ = std::make_unique<TestFolder>(true);
    robustness::halvePages(*shipped_);
    shipped_->writeText("configuracion/borra.txt", "NO\n");
    QVERIFY(platform::saveBmpAtomically(frame(), shipped_->file("dibujos/animales/2.bmp")));
}

void SpecialFilesTest::specialFileInPlaceOfAResource_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<Special>("special");
    for (const QString& resource : robustness::resources()) {
        if (!QFileInfo(resource).fileName().contains('.'))
            continue; // folders
        for (const Special special : {Special::Pipe, Special::LinkToZero, Special::ZeroDevice})
            QTest::addRow("%s as %s", qPrintable(resource), qPrintable(specialName(special))) << resource << special;
    }
}

void SpecialFilesTest::specialFileInPlaceOfAResource()
{
    QFETCH(QString, resource);
    QFETCH(Special, special);
    TestFolder folder;
    QVERIFY(QProcess::execute("cp", {"-a", shipped_->path() + "/.", folder.path()}) == 0);
    if (!putSpecial(folder, resource, special))
        QSKIP("this system does not let the test make that kind of file here");
    probeWindow(folder);
}

void SpecialFilesTest::hostilePicturesAsPages_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QByteArray>("content");
    const QByteArray bomb = testsupport::scanBombJpeg();
    for (const char* resource : {"dibujos/animales/1.gif", "dibujos/animales/2.bmp", "fondo.jpg",
                                 "texturas/02ladrillos.bmp", "logos/castillo.gif", "gifs/lapiz.gif"})
        QTest::addRow("the scan bomb as %s", resource) << QString(resource) << bomb;
    QTest::addRow("an SVG reaching for a pipe") << "dibujos/animales/1.gif" << testsupport::svgWithImage("pipe");
    QTest::addRow("an SVG reaching for /dev/zero") << "dibujos/animales/2.bmp" << testsupport::svgWithImage("/dev/zero");
}

void SpecialFilesTest::hostilePicturesAsPages()
{
    QFETCH(QString, resource);
    QFETCH(QByteArray, content);
    TestFolder folder;
    QVERIFY(QProcess::execute("cp", {"-a", shipped_->path() + "/.", folder.path()}) == 0);
    folder.remove(resource);
    folder.writeText(resource, content);
    QVERIFY(testsupport::makePipe(folder.file("pipe")));
    probeWindow(folder);
}

// An SVG or a TIFF named as a page is a bad page: the canvas keeps the page
// it showed, and nothing is saved under the bad page's name.
void SpecialFilesTest::foreignFormatsAreBadPages()
{
    const TestFolder folder(true);
    folder.writeText("configuracion/borra.txt", "NO\n");
    const QImage photo = frame();
    QVERIFY(photo.save(folder.file("secret.bmp"), "BMP"));
    folder.writeText("dibujos/animales/2.gif", testsupport::svgWithImage(folder.file("secret.bmp")));
    folder.writeText("dibujos/animales/3.gif", testsupport::encodedAs(photo, "tiff"));
    Form1 form(folder.path());
    const QImage first = form.Picture8->Picture();
    for (const int n : {2, 3}) {
        form.Command4_Click();
        QCOMPARE(form.PageNumber, n);
        QCOMPARE(form.Picture8->Picture(), first);
    }
    form.SaveSnapshot();
    form.Command4_Click();
    QVERIFY(!folder.exists("dibujos/animales/3.bmp"));
}

void SpecialFilesTest::theImporterRefusesSpecialFilesAndTheScanBomb()
{
    const TestFolder folder(true);
    folder.writeImage("in/a.png", frame());
    QVERIFY(testsupport::makePipe(folder.file("in/pipe.png")));
    QVERIFY(QFile::link("/dev/zero", folder.file("in/zero.png")));
    folder.writeText("in/bomb.jpg", testsupport::scanBombJpeg());
    const QList<std::pair<QString, QString>> cases{
        {"in/pipe.png", "not a file"}, {"in/zero.png", "not a file"}, {"in/bomb.jpg", "the JPEG is stored in 5000 scans"}};
    for (const auto& [input, message] : cases) {
        for (const QStringList& arguments : {QStringList{folder.file(input)}, {"--logo", folder.file(input), folder.file("in/a.png")}}) {
            const testsupport::ImportRun run = testsupport::runImporter(folder, QStringList{"--set", "nuevo"} + arguments);
            QCOMPARE(run.status, 1);
            QVERIFY2(run.err.contains(folder.file(input) + ": " + message), qPrintable(run.err));
            QVERIFY(!folder.exists("dibujos/nuevo"));
        }
    }
}

// An <image> is drawn only from data inside the drawing: one that names a
// pipe, a device or a picture on disk is left out, and the message says so.
void SpecialFilesTest::theImporterRendersSvgWithoutOtherFiles()
{
    const TestFolder folder(true);
    QImage secret(200, 100, QImage::Format_RGB32);
    secret.fill(Qt::black);
    QPainter(&secret).fillRect(40, 30, 120, 40, Qt::white);
    folder.writeImage("in/secret.png", secret);
    QVERIFY(testsupport::makePipe(folder.file("in/pipe")));
    // The same drawing without its <image>.
    const QString withoutImage =
        QString::fromUtf8(testsupport::svgWithImage("x")).remove(QRegularExpression("<image[^>]*/>"));
    folder.writeText("in/plain.svg", withoutImage.toUtf8());
    const testsupport::ImportRun plain = testsupport::runImporter(folder, {"--set", "plain", folder.file("in/plain.svg")});
    QCOMPARE(plain.status, 0);
    QVERIFY2(!plain.out.contains("left out"), qPrintable(plain.out));
    int n = 0;
    for (const QString& href : {folder.file("in/secret.png"), QString("secret.png"), QString("file://") + folder.file("in/secret.png"),
                                folder.file("in/pipe"), QString("/dev/zero")}) {
        const QString set = QString("s%1").arg(++n);
        folder.writeText("in/" + set + ".svg", testsupport::svgWithImage(href));
        const testsupport::ImportRun run = testsupport::runImporter(folder, {"--set", set, folder.file("in/" + set + ".svg")});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("1 reference to other files left out"), qPrintable(run.out));
        QCOMPARE(platform::loadPicture(folder.file("dibujos/" + set + "/1.gif")),
                 platform::loadPicture(folder.file("dibujos/plain/1.gif")));
    }
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SpecialFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_special_files.moc"
