#pragma once

#include "platform/Alerts.h"

class QWidget;

/// Alerts as QMessageBox over the main window.
class QtAlerts final : public Alerts
{
public:
    /// The window the alerts are shown over; none centres them on the screen.
    void setParentWindow(QWidget *window) { _parent = window; }

    Button show(const Alert &alert) override;

private:
    QWidget *_parent = nullptr;
};
