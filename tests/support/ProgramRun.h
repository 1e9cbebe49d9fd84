#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

/// What a run of a program gave back.
struct ProgramRun
{
    int exitCode = -1; // -1: did not start, crashed or timed out
    QByteArray out;
    QByteArray err;

    /// Runs the program to its end with no display, HOME and the XDG folders
    /// in `home`, and the extra environment on top.
    static ProgramRun start(const QString &program, const QStringList &arguments, const QString &home,
                            const QStringList &extraEnvironment = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        for (const QString &setting : extraEnvironment)
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        ProgramRun result;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
};
