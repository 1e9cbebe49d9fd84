#include "ChildProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>

ChildProcess::ChildProcess(const QString &program, const QStringList &arguments, const QString &workingFolder,
                           QObject *parent)
    : QObject(parent)
{
    _process.setProgram(program);
    _process.setArguments(arguments);
    _process.setWorkingDirectory(workingFolder);
    _process.setProcessChannelMode(QProcess::ForwardedChannels);
}

ChildProcess::Outcome ChildProcess::runBlocking()
{
    _process.start();
    if (!_process.waitForStarted(-1))
        return {};
    _process.closeWriteChannel();
    while (_process.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents(_waitingFlags);
        _process.waitForFinished(int(kPollInterval.count()));
    }
    return endedOutcome();
}

void ChildProcess::start()
{
    // Queued, so that the end is always reported from the event loop, after
    // start() has returned, even when the program cannot be started at all.
    connect(
        &_process, &QProcess::finished, this, [this] { emit finished(endedOutcome()); }, Qt::QueuedConnection);
    connect(
        &_process, &QProcess::errorOccurred, this,
        [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                emit finished({});
        },
        Qt::QueuedConnection);
    _process.start();
    _process.closeWriteChannel();
}

void ChildProcess::cancel()
{
    if (_process.state() == QProcess::NotRunning)
        return;
    _cancelled = true;
    _process.terminate();
    QTimer::singleShot(kCancelGrace, this, [this] {
        if (_process.state() != QProcess::NotRunning)
            _process.kill();
    });
}

std::optional<qint64> ChildProcess::startIndependent(const QString &program, const QStringList &arguments,
                                                     const QString &workingFolder)
{
    qint64 pid = 0;
    if (!QProcess::startDetached(program, arguments, workingFolder, &pid))
        return std::nullopt;
    return pid;
}

void ChildProcess::pause(std::chrono::milliseconds duration)
{
    const QDeadlineTimer deadline(duration);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(std::min<qint64>(kPollInterval.count(), deadline.remainingTime()));
    }
}

ChildProcess::Outcome ChildProcess::endedOutcome() const
{
    return {true, _process.exitStatus() == QProcess::CrashExit, _cancelled, _process.exitCode()};
}
