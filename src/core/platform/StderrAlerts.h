#pragma once

#include "Alerts.h"

/// Alerts for runs without a display: each alert is printed to standard
/// error and answered with its default button.
class StderrAlerts final : public Alerts
{
public:
    Button show(const Alert &alert) override;
};
