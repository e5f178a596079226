// The program's main window under a random session, for the kill test: it
// says on its output what each page's coloured copy is about to become and
// what it became, until the test kills it.
// Usage: robustness_kill_child PROGRAM_FOLDER SEED
// Lines: "ready"; "begin <set>/<page> <digest>|-"; "end <set>/<page> <digest>|-"
// where the digest is that of the canvas to be saved (begin) or of the copy
// on disk (end), and "-" stands for no copy.
#include "platform/picture_io.h"
#include "shell/main_window.h"
#include "tests/robustness/copy_digest.h"
#include "tests/robustness/random_session.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

using robustness::Action;

namespace {

void say(const QString& line)
{
    std::puts(qPrintable(line));
    std::fflush(stdout);
}

QString pageKey(const Form1& form) { return form.SetName(form.SetIndex) + "/" + QString::number(form.PageNumber); }

QString copyPath(const Form1& form)
{
    const QString page = QString::number(form.PageNumber);
    return form.ProgramPath("/dibujos/" + form.SetName(form.SetIndex) + "/" + page + ".bmp");
}

// What the action can leave as the page's copy: the canvas, or none after the eraser.
QString comingDigest(const Form1& form, Action action)
{
    if (action == Action::Erase)
        return "-";
    return robustness::imageDigest(form.Picture1->Image());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    Form1 form(QString::fromLocal8Bit(argv[1]));
    form.show();
    robustness::RandomSession session(form, QString(argv[2]).toUInt());
    // Mostly colouring and turning pages, so that many saves happen; no
    // printing, no clipboard, no door.
    session.setWeight(Action::Print, 0);
    session.setWeight(Action::PaletteDoubleClick, 0);
    session.setWeight(Action::NextPage, 150);
    session.setWeight(Action::PreviousPage, 100);
    session.setWeight(Action::NextSet, 60);
    say("ready");
    for (;;) {
        const Action action = session.pick();
        if (!robustness::touchesCopies(action)) {
            session.perform(action);
            continue;
        }
        const QString key = pageKey(form);
        const QString path = copyPath(form);
        say("begin " + key + " " + comingDigest(form, action));
        session.perform(action);
        say("end " + key + " " + robustness::filePixelsDigest(path));
    }
}
