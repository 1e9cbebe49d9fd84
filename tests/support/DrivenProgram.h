#pragma once

#include "safety/SnapshotFile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

/// A user of their own for the test-only build of the program
/// (orrinwick_driven, see tests/driver/ScriptDriver.h): home, settings,
/// state, data and runtime folders in a temporary folder. Starts the
/// program on a script and reads back what its driver logged.
class DrivenUser
{
public:
    /// A command the driver finished, with the moment it did.
    struct Done
    {
        int index = 0;
        qint64 time = 0;
        QString command;
    };

    DrivenUser()
    {
        for (const char *folder : {"config/Orrinwick", "data", "state", "runtime"})
            QDir(_home.path()).mkpath(QLatin1String(folder));
        QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // A user who has seen this version: no About window at start.
        setSetting(QStringLiteral("CurrentVersion"), QStringLiteral(ORRINWICK_VERSION));
    }

    ~DrivenUser()
    {
        if (_program && _program->state() != QProcess::NotRunning)
            kill();
    }

    [[nodiscard]] QString path(const char *name) const { return _home.filePath(QLatin1String(name)); }
    [[nodiscard]] QString recoveryFolder() const { return path("state/Orrinwick/recovery"); }
    [[nodiscard]] QString backupsFolder() const { return path("data/Orrinwick/Orrinwick/backups"); }

    void setSetting(const QString &key, const QVariant &value) const
    {
        QSettings(path("config/Orrinwick/Orrinwick.conf"), QSettings::IniFormat).setValue(key, value);
    }

    /// Starts the program on the script (lines of tab-separated fields).
    void start(const QStringList &script)
    {
        QFile file(path("script.txt"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the script");
        file.write(script.join(u'\n').toUtf8() + '\n');
        file.close();
        QFile::remove(path("driver.log"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), _home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), path("state"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path("runtime"));
        environment.insert(QStringLiteral("ORRINWICK_SCRIPT"), path("script.txt"));
        environment.insert(QStringLiteral("ORRINWICK_DRIVER_LOG"), path("driver.log"));
        _program = std::make_unique<QProcess>();
        _program->setProcessEnvironment(environment);
        _program->setWorkingDirectory(_home.path());
        _program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        _program->start(QStringLiteral(ORRINWICK_DRIVEN_BINARY), {});
        _program->waitForStarted();
    }

    /// Runs the script to the program's end; answers whether it ended by itself, with status 0.
    [[nodiscard]] bool run(const QStringList &script, int timeoutMs = 30000)
    {
        start(script);
        if (_program->waitForFinished(timeoutMs))
            return _program->exitStatus() == QProcess::NormalExit && _program->exitCode() == 0;
        kill();
        return false;
    }

    /// SIGKILL, as a crash or a power cut would end it; answers the moment.
    qint64 kill()
    {
        const qint64 moment = QDateTime::currentMSecsSinceEpoch();
        ::kill(pid_t(_program->processId()), SIGKILL);
        _program->waitForFinished();
        return moment;
    }

    [[nodiscard]] qint64 pid() const { return _program->processId(); }
    [[nodiscard]] bool isRunning() const { return _program && _program->state() == QProcess::Running; }

    [[nodiscard]] QStringList log() const
    {
        QFile file(path("driver.log"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    /// The commands finished so far, in order.
    [[nodiscard]] QList<Done> done() const
    {
        QList<Done> result;
        for (const QString &line : log()) {
            if (!line.startsWith(QLatin1String("done ")))
                continue;
            const QStringList parts = line.split(u' ');
            result.append({parts.value(1).toInt(), parts.value(2).toLongLong(), line.section(u' ', 3)});
        }
        return result;
    }

    /// The titles of the alerts shown, in order.
    [[nodiscard]] QStringList alertTitles() const
    {
        QStringList titles;
        for (const QString &line : log()) {
            if (line.startsWith(QLatin1String("alert ")))
                titles << line.section(u' ', 2).section(u'\t', 0, 0);
        }
        return titles;
    }

    /// Waits until the driver has finished the command at this index.
    [[nodiscard]] bool waitForDone(int index, int timeoutMs = 30000) const
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            const QList<Done> finished = done();
            if (!finished.isEmpty() && finished.last().index >= index)
                return true;
            if (_program->state() == QProcess::NotRunning)
                return false;
            _program->waitForFinished(5);
        }
        return false;
    }

private:
    QTemporaryDir _home;
    std::unique_ptr<QProcess> _program;
};

/// Whether the bytes are a whole data file as the program writes it: it
/// loads, and writing what loaded gives the same bytes back. A cut-off or
/// mixed file fails one or the other.
inline bool isWholeBudgetFile(const QByteArray &bytes)
{
    const std::optional<DocumentSnapshot> snapshot = SnapshotFile::read(bytes);
    return snapshot && SnapshotFile::bytes(*snapshot) == bytes;
}
