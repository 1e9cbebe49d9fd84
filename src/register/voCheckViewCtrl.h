#pragma once

#include <QWidget>

class Alerts;
class BudgetDocument;
class Calendar;
class QPushButton;

/// The monthly register on the main window's second tab.
class voCheckViewCtrl final : public QWidget
{
    Q_OBJECT

public:
    voCheckViewCtrl(BudgetDocument &document, Alerts &alerts, const Calendar &calendar, QWidget *parent = nullptr);

    /// Entering the tab: loads the current calendar month, sorted by day.
    void initView();
    /// Leaving the tab: writes the month back when it changed and unloads it.
    void closeView();
    /// The envelope button, enabled by the application exactly in envelope mode.
    [[nodiscard]] QPushButton *fillEnvelopeButton() const { return _fillEnvelope; }

private:
    BudgetDocument &_document;
    Alerts &_alerts;
    const Calendar &_calendar;
    QPushButton *_fillEnvelope = nullptr;
};
