#include "StderrAlerts.h"

#include <cstdio>

int StderrAlerts::run(const QString &title, const QString &message, const QString &, const QString &)
{
    const QString text = title + QStringLiteral(": ") + message.trimmed() + u'\n';
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return kDefaultButton;
}
