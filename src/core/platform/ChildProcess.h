#pragma once

#include <QEventLoop>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

/// One child process, started directly (program, arguments, working folder;
/// never through a shell) with the program's environment. Its output goes to
/// the program's own standard output and error; its standard input is closed,
/// so a client that would ask a question on a terminal gives up instead.
class ChildProcess final : public QObject
{
    Q_OBJECT

public:
    /// How a run ended.
    struct Outcome
    {
        bool started = false;
        bool crashed = false;
        /// Ended by cancel(), whatever it answered.
        bool cancelled = false;
        /// The exit code; the signal number after a crash; 0 when it never started.
        int status = 0;

        [[nodiscard]] bool succeeded() const { return started && !crashed && !cancelled && status == 0; }
    };

    /// How often a blocking run looks at the child again while it waits.
    static constexpr std::chrono::milliseconds kPollInterval{10};
    /// How long a cancelled child may take to end by itself before it is killed.
    static constexpr std::chrono::milliseconds kCancelGrace{2000};

    /// An empty working folder keeps the program's own.
    ChildProcess(const QString &program, const QStringList &arguments, const QString &workingFolder = {},
                 QObject *parent = nullptr);

    /// Starts the child and waits for its end, looking every kPollInterval and
    /// handling the program's events meanwhile (user input excluded), so that
    /// windows keep painting while nothing can be clicked.
    [[nodiscard]] Outcome runBlocking();
    /// Starts the child and returns at once; finished() reports its end (or
    /// that it could not start) later, from the event loop.
    void start();
    /// Asks the child to end (SIGTERM, so a Subversion client can release its
    /// working copy) and kills it when it has not ended after kCancelGrace.
    /// The run then ends with `cancelled` set.
    void cancel();
    /// From now on a blocking run also hands user input to the windows; only
    /// for a caller that has put a modal window up, so that the one control
    /// that can be worked is its own (a Cancel button).
    void letUserInputThrough() { _waitingFlags = QEventLoop::AllEvents; }

    [[nodiscard]] QString program() const { return _process.program(); }

    /// Starts a program that lives on by itself: nothing waits for it, and it
    /// keeps running when this program ends. Answers its process id, or
    /// nothing when it could not be started.
    [[nodiscard]] static std::optional<qint64> startIndependent(const QString &program, const QStringList &arguments,
                                                                const QString &workingFolder = {});
    /// Lets the time pass while handling events as runBlocking() does.
    static void pause(std::chrono::milliseconds duration);

signals:
    void finished(const ChildProcess::Outcome &outcome);

private:
    [[nodiscard]] Outcome endedOutcome() const;

    QProcess _process;
    bool _cancelled = false;
    QEventLoop::ProcessEventsFlags _waitingFlags = QEventLoop::ExcludeUserInputEvents;
};
