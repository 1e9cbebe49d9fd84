#pragma once

#include <QString>

/// The system log (syslog). Tests derive from it to see what was written.
class SystemLog
{
public:
    SystemLog() = default;
    virtual ~SystemLog() = default;
    Q_DISABLE_COPY_MOVE(SystemLog)

    /// Writes one formatted line under the program's name.
    virtual void write(const QString &line);
};
