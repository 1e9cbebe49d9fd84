#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>

class Alerts;
class DueTransactionsDialog;
class MyDataSource;
class QAction;
class RecurringListWindow;
class Settings;
struct DueLine;

/// The recurring transactions in the window: the list (Edit → Recurring
/// Transactions… and the register's button), Make Recurring… from the
/// register's selected record, and the occurrences due, handled when a file
/// is opened (at start-up too) and when the window is activated on a new
/// day: those that enter by themselves in one undo step with a note in the
/// status bar, the others in Due Transactions.
class RecurringCommands final : public QObject
{
    Q_OBJECT

public:
    RecurringCommands(MyDataSource &dataSource, Settings &settings, Alerts &alerts, QObject *parent = nullptr);
    ~RecurringCommands() override;

    [[nodiscard]] QAction *listAction() const { return _listAction; }
    [[nodiscard]] QAction *makeRecurringAction() const { return _makeAction; }
    /// The open windows, or none.
    [[nodiscard]] RecurringListWindow *listWindow() const;
    [[nodiscard]] DueTransactionsDialog *dueWindow() const;

    void showList();
    /// Opens the editor filled from the register's selected record.
    void makeRecurring();
    /// Enters what enters by itself and lists the rest, up to today and the look-ahead.
    void handleDue();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] int budgetYear() const;
    [[nodiscard]] QDate until() const;
    [[nodiscard]] QList<DueLine> askingLines() const;

    MyDataSource &_dataSource;
    Settings &_settings;
    Alerts &_alerts;
    QAction *_listAction;
    QAction *_makeAction;
    QPointer<RecurringListWindow> _list;
    QPointer<DueTransactionsDialog> _due;
    QDate _handledOn;
};
