#pragma once

#include "Alerts.h"

/// Alerts for runs without a display: each alert is printed to standard
/// error and answered with the default button.
class StderrAlerts final : public Alerts
{
public:
    int run(const QString &title, const QString &message, const QString &defaultButton,
            const QString &secondButton = {}) override;
};
