// Children of the robustness tests.
#include "tests/robustness/child_process.h"

#include <QDeadlineTimer>

namespace robustness {

ChildProcess::ChildProcess(const QString& program, const QStringList& arguments)
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process_.setProcessEnvironment(environment);
    process_.start(program, arguments);
}

ChildProcess::~ChildProcess() { kill(); }

QString ChildProcess::line(int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || !process_.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            return {};
    }
    return QString::fromUtf8(process_.readLine()).trimmed();
}

bool ChildProcess::waitForLine(const QString& expected, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        const QString next = line(int(std::max<qint64>(1, deadline.remainingTime())));
        if (next == expected)
            return true;
        if (next.isEmpty() && process_.state() == QProcess::NotRunning && !process_.canReadLine())
            return false;
    }
    return false;
}

QStringList ChildProcess::rest() { return QString::fromUtf8(process_.readAll()).split('\n', Qt::SkipEmptyParts); }

void ChildProcess::write(const QByteArray& bytes)
{
    process_.write(bytes);
    process_.waitForBytesWritten(5000);
}

bool ChildProcess::endsWell(int ms)
{
    // waitForFinished() says false for a child that has already ended.
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(ms))
        return false;
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

QString ChildProcess::ending() const
{
    if (process_.state() != QProcess::NotRunning)
        return "the child still runs";
    if (process_.exitStatus() == QProcess::CrashExit)
        return QString("the child was ended by signal %1 (%2)").arg(process_.exitCode()).arg(process_.errorString());
    return QString("the child ended with status %1").arg(process_.exitCode());
}

void ChildProcess::kill()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.kill();
    process_.waitForFinished(20000);
}

} // namespace robustness
