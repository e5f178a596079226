// The door button of the real program under an X server: the process ends
// with status 0 after the click, writing nothing when nothing was painted,
// and the page painted before leaving comes back coloured.
#include "shell/main_window.h"
#include "tests/catalogue/book_folder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QtTest>

using testsupport::TestFolder;

namespace {

// Runs xdotool (for at most 20 s); false when it fails. Its output goes to `output`.
bool runXdotool(const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.start("timeout", QStringList{"20", "xdotool"} + arguments);
    if (!process.waitForFinished(25000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return false;
    if (output != nullptr)
        *output = process.readAllStandardOutput();
    return true;
}

void click(QPoint point)
{
    // XTest events reach the server in order: the move lands before the press.
    QVERIFY(runXdotool({"mousemove", QString::number(point.x()), QString::number(point.y()), "click", "1"}));
}

QSize windowSize(const QByteArray& window)
{
    QSize size;
    QByteArray geometry;
    if (!runXdotool({"getwindowgeometry", "--shell", window}, &geometry))
        return size;
    for (const QByteArray& line : geometry.split('\n')) {
        if (line.startsWith("WIDTH="))
            size.setWidth(line.mid(6).toInt());
        if (line.startsWith("HEIGHT="))
            size.setHeight(line.mid(7).toInt());
    }
    return size;
}

// Waits until the program shows its full-screen main window. A smaller
// window shown first (a start-up window) is clicked in its middle to go on.
bool waitForMainWindow(qint64 pid, QSize screen)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000) {
        QByteArray found;
        if (!runXdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(pid)}, &found))
            continue;
        for (const QByteArray& window : found.split('\n')) {
            if (window.isEmpty())
                continue;
            const QSize size = windowSize(window);
            if (size == screen)
                return true;
            if (!size.isEmpty() && !runXdotool({"mousemove", "--window", window, QString::number(size.width() / 2),
                                                QString::number(size.height() / 2), "click", "1"}))
                return false;
        }
        QTest::qWait(200);
    }
    return false;
}

// Where the program's controls stand on this screen, and what its canvas
// shows once it has painted, as laid out by the same start-up code on a
// window covering the screen.
struct Places {
    QPoint door;
    QPoint nextPage;
    QPoint canvas;
    QRect canvasPicture; // inside the canvas's border
    QImage firstPage;    // what the canvas shows at start
};

Places placesOnScreen(const QString& programFolder)
{
    Form1 probe(programFolder);
    probe.setGeometry(QApplication::primaryScreen()->geometry());
    auto centre = [&](QWidget* control) { return control->mapTo(&probe, control->rect().center()); };
    const int border = probe.Picture1->hasBorder() ? 1 : 0;
    const QImage shown = probe.Picture1->Image();
    const QRect picture(probe.Picture1->mapTo(&probe, QPoint(border, border)), shown.deviceIndependentSize().toSize());
    return {centre(probe.Command2), centre(probe.Command4), centre(probe.Picture1), picture, shown};
}

// Waits until the screen shows the first page on the canvas: the window is
// up and has painted, and takes clicks where they are aimed.
bool waitForFirstPaint(const Places& places)
{
    QScreen* screen = QApplication::primaryScreen();
    const QRect r = places.canvasPicture;
    const QImage expected = places.firstPage.convertToFormat(QImage::Format_RGB32);
    return QTest::qWaitFor([&] {
        const QImage shown = screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
        return shown.convertToFormat(QImage::Format_RGB32) == expected;
    }, 60000);
}

QStringList copies(const TestFolder& folder)
{
    QStringList found;
    for (const QString& set : QDir(folder.file("dibujos")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& copy : QDir(folder.file("dibujos/" + set)).entryList({"*.bmp"}, QDir::Files))
            found << set + "/" + copy;
    return found;
}

} // namespace

class LeavingProgramTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void doorRightAfterStartUpEndsAtOnce();
    void doorKeepsThePaintedPage();

private:
    // Copies the program and its folder, starts it and waits for its window
    // to show the first page.
    void startProgram(const TestFolder& folder, const Places& places, QProcess& program);
    // Clicks the door and checks the program ends with status 0.
    void leaveThroughTheDoor(QProcess& program, QPoint door);
};

void LeavingProgramTest::init()
{
    const QString program = qEnvironmentVariable("TINTARO_BUILD_DIR") + "/tintaro/tintaro";
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable("the program is not built: " + program));
}

void LeavingProgramTest::startProgram(const TestFolder& folder, const Places& places, QProcess& program)
{
    QVERIFY(QFile::copy(qEnvironmentVariable("TINTARO_BUILD_DIR") + "/tintaro/tintaro", folder.file("tintaro")));
    QVERIFY(QFile::setPermissions(folder.file("tintaro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.setWorkingDirectory(folder.path());
    program.start(folder.file("tintaro"), {});
    QVERIFY(program.waitForStarted(60000));
    QVERIFY2(waitForMainWindow(program.processId(), QApplication::primaryScreen()->size()),
             "the main window did not appear");
    QVERIFY2(waitForFirstPaint(places), "the first page never showed on the canvas");
}

void LeavingProgramTest::leaveThroughTheDoor(QProcess& program, QPoint door)
{
    click(door);
    // The bound only catches a program that does not end at all.
    QVERIFY2(program.waitForFinished(60000), "the program did not end after the door");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

void LeavingProgramTest::doorRightAfterStartUpEndsAtOnce()
{
    TestFolder folder(true);
    const Places places = placesOnScreen(folder.path());
    QProcess program;
    startProgram(folder, places, program);
    leaveThroughTheDoor(program, places.door);
    QVERIFY(copies(folder).isEmpty());
}

void LeavingProgramTest::doorKeepsThePaintedPage()
{
    TestFolder folder(true);
    booktest::keepCopies(folder);
    const Places places = placesOnScreen(folder.path());
    QProcess program;
    startProgram(folder, places, program);
    click(places.nextPage);
    click(places.nextPage);
    // X delivers the clicks in order: the fill is done before the door is read.
    click(places.canvas);
    leaveThroughTheDoor(program, places.door);
    const QStringList saved = copies(folder);
    QCOMPARE(saved.size(), 1);
    QVERIFY(saved.first().endsWith("/3.bmp"));

    Form1 nextRun(folder.path());
    nextRun.setGeometry(QApplication::primaryScreen()->geometry());
    nextRun.Command4_Click();
    nextRun.Command4_Click();
    QCOMPARE(nextRun.PageNumber, 3);
    QCOMPARE(nextRun.Picture1->Image(), booktest::readCopy(folder, "dibujos/" + saved.first()));
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return 77;
    QApplication app(argc, argv);
    LeavingProgramTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_leaving_program.moc"
