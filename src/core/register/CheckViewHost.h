#pragma once

#include <QString>

/// What the register data tells the register tab that shows it.
class CheckViewHost
{
public:
    virtual ~CheckViewHost() = default;
    /// Month 0–11 was loaded; the tab shows its full name.
    virtual void setMonthTitle(int month) = 0;
    /// The month's budget and what remains of it, as exact decimal texts.
    virtual void setTotal(const QString &total, const QString &remaining) = 0;
};
