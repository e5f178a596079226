// A program run as a child of a test, read line by line, never waited for
// without a bound, and killed if it still runs when the test is done with it.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace robustness {

class ChildProcess {
public:
    // Starts `program` with its error output forwarded, on Qt's offscreen
    // platform however the test itself was started.
    ChildProcess(const QString& program, const QStringList& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of output; empty when none came within `ms`.
    QString line(int ms);
    // Reads lines until one equals `expected` (true) or `ms` have passed.
    bool waitForLine(const QString& expected, int ms);
    // The lines still unread once the child has ended.
    QStringList rest();
    void write(const QByteArray& bytes);
    // Waits up to `ms` for the child to end; true when it ended by itself with status 0.
    bool endsWell(int ms);
    // Kills the child at once (SIGKILL) and waits for it.
    void kill();
    QProcess& process() { return process_; }

private:
    QProcess process_;
};

} // namespace robustness
