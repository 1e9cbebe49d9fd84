#pragma once

#include "register/CheckViewHost.h"

#include <QString>

/// The register tab as the register data sees it: keeps the last budget and
/// remaining figures it was told.
class RecordingHost final : public CheckViewHost
{
public:
    void setMonthTitle(int) override { }
    void setTotal(const QString &newTotal, const QString &newRemaining) override
    {
        total = newTotal;
        remaining = newRemaining;
    }

    QString total;
    QString remaining;
};
