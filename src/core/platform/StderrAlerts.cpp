#include "StderrAlerts.h"

#include <cstdio>

Alerts::Button StderrAlerts::show(const Alert &alert)
{
    const QString text = alert.title + QStringLiteral(": ") + alert.message.trimmed() + u'\n';
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return alert.defaultButton;
}
