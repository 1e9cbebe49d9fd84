#pragma once

#include "Alerts.h"

/// Passes every alert on and counts them, so that a step can tell whether it
/// had something to tell the user: a refused value always says why.
class CountingAlerts final : public Alerts
{
public:
    explicit CountingAlerts(Alerts &shown)
        : _shown(shown)
    {
    }

    Button show(const Alert &alert) override
    {
        ++_count;
        return _shown.show(alert);
    }

    /// How many alerts have been shown through this one.
    [[nodiscard]] int count() const { return _count; }

private:
    Alerts &_shown;
    int _count = 0;
};
