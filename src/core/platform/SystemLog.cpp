#include "SystemLog.h"

#include <syslog.h>

void SystemLog::write(const QString &line)
{
    syslog(LOG_NOTICE, "%s", line.toLocal8Bit().constData());
}
