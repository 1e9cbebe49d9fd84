#pragma once

#include "platform/Alerts.h"

class QWidget;

/// Alerts as QMessageBox over the main window. A "Cancel" button is the
/// one the Escape key and the window's close control press.
class QtAlerts final : public Alerts
{
public:
    /// The window the alerts are shown over; none centres them on the screen.
    void setParentWindow(QWidget *window) { _parent = window; }

    int run(const QString &title, const QString &message, const QString &defaultButton,
            const QString &secondButton = {}) override;

private:
    QWidget *_parent = nullptr;
};
