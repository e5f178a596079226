// Drives a child's short session with an installed program from outside,
// under the X server of $DISPLAY: the splash, page 1 of the first set shown
// uncoloured, one area coloured, the door. Exits 0 when every step showed
// as it should, 1 (with the step that failed) otherwise.
//
//   tintaro_colour_page_one <book folder> <program> [its arguments...]
#include "tests/e2e/screen_places.h"
#include "tests/e2e/session_steps.h"
#include "tests/e2e/x_display.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QTextStream>

namespace {

int failed(const char* step)
{
    QTextStream(stderr) << "tintaro_colour_page_one: " << step << "\n";
    return 1;
}

int drive(const QString& book, const QStringList& command)
{
    const e2e::XDisplay x(qEnvironmentVariable("DISPLAY"), TINTARO_SCREEN_GRAB);
    const QSize screen = x.screenshot().size();
    if (screen.isEmpty())
        return failed("no screen");
    const e2e::ScreenPlaces at = e2e::placesOn(screen);
    const QStringList logos = QDir(book + "/logos").entryList(QDir::Files, QDir::Name);
    if (logos.isEmpty())
        return failed("the book has no sets");
    const QString set = logos.first().chopped(4);
    const QImage page1 = e2e::fittedPage(book + "/dibujos/" + set + "/1.gif", at.canvas.size());

    QProcess program;
    const auto stopLeftover = qScopeGuard([&program] {
        program.kill();
        program.waitForFinished();
    });
    program.setProcessEnvironment(x.environment());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(command.first(), command.mid(1));
    if (!program.waitForStarted())
        return failed("the program did not start");
    if (x.waitForScreen([&](const QImage& s) { return e2e::showsSplash(s, at.splash); }).isNull())
        return failed("no splash");
    x.click(at.splash.topLeft() + QPoint(260, 250));
    if (x.waitForScreen([&](const QImage& s) { return s.copy(at.canvas) == page1; }).isNull())
        return failed("page 1 never showed uncoloured");
    const QPoint inside = e2e::pointInsideAnArea(page1);
    if (inside.x() < 0)
        return failed("page 1 has no closed area");
    const QImage coloured = e2e::colouredAt(page1, inside, set.contains("peque"));
    x.click(at.canvas.topLeft() + inside);
    x.moveTo(at.backgroundGap.topLeft());
    if (x.waitForScreen([&](const QImage& s) { return s.copy(at.canvas) == coloured; }).isNull())
        return failed("the area did not turn red");
    x.click(at.door);
    if (!program.waitForFinished(15000) || program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0)
        return failed("the door did not end the program");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3)
        return failed("usage: tintaro_colour_page_one <book folder> <program> [arguments...]");
    return drive(arguments.at(1), arguments.mid(2));
}
