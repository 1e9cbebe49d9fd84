#pragma once

#include "register/CheckViewHost.h"

#include <QStringList>

/// The register tab as the register data sees it: keeps the month titles it
/// was told and the last budget and remaining figures.
class RecordingHost final : public CheckViewHost
{
public:
    void setMonthTitle(const QString &monthId) override { titles.append(monthId); }
    void setTotal(const QString &newTotal, const QString &newRemaining) override
    {
        total = newTotal;
        remaining = newRemaining;
    }

    QStringList titles;
    QString total;
    QString remaining;
};
