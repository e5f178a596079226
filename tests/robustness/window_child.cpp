// The main window in a child process, for tests that must survive a hang or
// run two programs at once. It says on its output what it did, line by line.
//
//   robustness_window_child probe FOLDER
//     Starts Form1 on FOLDER, paints the background, then presses every
//     button, tool, texture, palette and swatch once and the door last:
//     "started", then "done <what>" after each.
//   robustness_window_child first FOLDER
//     Starts as the program does (one program per folder, SingleInstance)
//     and then takes commands on its input, one a line:
//       paint   paints the canvas                    -> "painted"
//       next    the next-page button                 -> "saved <set>/<page> <digest of the canvas left>"
//       door    the door button; the process ends    -> "saved ..." as for next
//     It says "ready" once started, "shown" whenever a later start asks it
//     to show itself, and "second" (and ends) if another program has the folder.
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "tests/robustness/copy_digest.h"
#include "tests/support/colouring_folder.h"

#include <QApplication>
#include <QPainter>
#include <QSocketNotifier>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

void say(const QString& line)
{
    std::puts(qPrintable(line));
    std::fflush(stdout);
}

QString pageKey(const Form1& form) { return form.SetName(form.SetIndex) + "/" + QString::number(form.PageNumber); }

void paint(Form1& form, int stroke)
{
    form.SaveSnapshot();
    QPainter painter(&form.Picture1->persistentImage());
    painter.fillRect(QRect(10 + stroke * 7, 10, 60, 40), QColor::fromHsv((stroke * 47) % 360, 255, 230));
    painter.end();
    form.Picture1->imageChanged();
}

int probe(Form1& form)
{
    say("started");
    QImage window(form.size(), QImage::Format_RGB32);
    QPainter painter(&window);
    form.Form_Paint(painter);
    painter.end();
    say("done background");
    const QList<std::pair<QString, std::function<void()>>> steps{
        {"fill", [&] { testsupport::clickBox(form.Picture1, form.Picture1->rect().center() / 2); }},
        {"next page", [&] { form.Command4_Click(); }},
        {"previous page", [&] { form.Command3_Click(); }},
        {"eraser", [&] { form.Command1_Click(); }},
        {"undo", [&] { form.Command6_Click(); }},
        {"page as loaded", [&] { form.Command7_Click(); }},
        {"pencil", [&] { form.Image2_Click(1); }},
        {"line", [&] { form.Image2_Click(2); }},
        {"duck", [&] { form.Image2_Click(0); }},
        {"texture", [&] { form.Picture7_MouseDown(1, 0, 1, 1); }},
        {"next texture", [&] { form.Picture7_MouseDown(1, 0, 1, 1); }},
        {"previous texture", [&] { form.Picture7_MouseDown(2, 0, 1, 1); }},
        {"palette", [&] { form.Picture6_MouseDown(1, 0, 2, 2); }},
        {"swatch", [&] { form.Picture2_MouseDown(3, 1, 0, 2, 2); }},
        {"pen size", [&] { form.Picture4_Click(); }},
    };
    for (const auto& [name, step] : steps) {
        step();
        QCoreApplication::processEvents();
        say("done " + name);
    }
    for (int i = 0; i <= form.File1.ListCount(); ++i) {
        form.Command5_Click();
        QCoreApplication::processEvents();
    }
    say("done every set");
    form.Command2_Click();
    say("done door");
    return 0;
}

// Reads the test's commands as they come, while the window handles its events.
class Commands : public QObject {
public:
    explicit Commands(Form1& form) : form_(form), input_(STDIN_FILENO, QSocketNotifier::Read)
    {
        connect(&input_, &QSocketNotifier::activated, this, &Commands::readLine);
    }

private:
    void readLine()
    {
        char line[64] = {};
        const ssize_t n = ::read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0) {
            QCoreApplication::exit(1);
            return;
        }
        for (const QByteArray& command : QByteArray(line, n).split('\n'))
            run(command.trimmed());
    }

    void run(const QByteArray& command)
    {
        if (command == "paint") {
            paint(form_, strokes_++);
            say("painted");
        } else if (command == "next" || command == "door") {
            const QString left = "saved " + pageKey(form_) + " " + robustness::imageDigest(form_.Picture1->Image());
            if (command == "next")
                form_.Command4_Click();
            else
                form_.Command2_Click();
            say(left);
        }
    }

    Form1& form_;
    QSocketNotifier input_;
    int strokes_ = 0;
};

int first(QApplication& app, const QString& folder)
{
    SingleInstance instance(folder);
    if (!instance.claim()) {
        say("second");
        return 0;
    }
    Form1 form(folder);
    form.show();
    QObject::connect(&instance, &SingleInstance::showRequested, [] { say("shown"); });
    QObject::connect(&form, &Form1::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    const Commands commands(form);
    say("ready");
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString mode = argv[1];
    const QString folder = QString::fromLocal8Bit(argv[2]);
    if (mode == "first")
        return first(app, folder);
    Form1 form(folder);
    form.show();
    return probe(form);
}
