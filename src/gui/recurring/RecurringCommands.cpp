#include "RecurringCommands.h"

#include "DueTransactionsDialog.h"
#include "RecurringEditorDialog.h"
#include "RecurringListWindow.h"

#include "app/MainWindow.h"
#include "app/MyDataSource.h"

#include "document/BudgetDocument.h"
#include "editing/DocumentEditing.h"
#include "platform/Alerts.h"
#include "platform/Calendar.h"
#include "platform/Settings.h"
#include "recurring/RecurringDue.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "sync/DocumentSync.h"
#include "year/BudgetYear.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

RecurringCommands::RecurringCommands(MyDataSource &dataSource, Settings &settings, Alerts &alerts, QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _settings(settings)
    , _alerts(alerts)
    , _listAction(new QAction(tr("&Recurring Transactions…"), &dataSource.mainWindow()))
    , _makeAction(new QAction(tr("&Make Recurring…"), &dataSource.mainWindow()))
{
    _listAction->setObjectName(QStringLiteral("actionRecurringTransactions"));
    _listAction->setStatusTip(tr("List the rent, subscriptions and bills that come back, and add or change them"));
    _makeAction->setObjectName(QStringLiteral("actionMakeRecurring"));
    _makeAction->setStatusTip(tr("Make the register's selected transaction one that comes back"));
    connect(_listAction, &QAction::triggered, this, &RecurringCommands::showList);
    connect(_makeAction, &QAction::triggered, this, &RecurringCommands::makeRecurring);
    // With the other commands of the register.
    dataSource.mainWindow().insertActions(MenuPlace::EditBeforePreferences, {_listAction, _makeAction});
    connect(dataSource.checkView().recurringButton(), &QPushButton::clicked, this, &RecurringCommands::showList);

    // After the load's own steps: its history is cleared once it is done.
    connect(&dataSource.sync(), &DocumentSync::updateHandled, this,
            [this] { QTimer::singleShot(0, this, &RecurringCommands::handleDue); });
    dataSource.mainWindow().installEventFilter(this);
}

RecurringCommands::~RecurringCommands()
{
    delete _list;
    delete _due;
}

RecurringListWindow *RecurringCommands::listWindow() const
{
    return _list;
}

DueTransactionsDialog *RecurringCommands::dueWindow() const
{
    return _due;
}

bool RecurringCommands::eventFilter(QObject *watched, QEvent *event)
{
    // The title names the open file: it changes when another file is opened,
    // which is read by the time the timer fires (a Subversion update reads
    // it later, and says so with updateHandled).
    if (event->type() == QEvent::WindowTitleChange
        || (event->type() == QEvent::WindowActivate && _handledOn.isValid()
            && _dataSource.calendar().now().date() != _handledOn))
        QTimer::singleShot(0, this, &RecurringCommands::handleDue);
    return QObject::eventFilter(watched, event);
}

int RecurringCommands::budgetYear() const
{
    // A file that names no year is taken for this year's.
    return BudgetYear::of(_dataSource.document(), _dataSource.dataFileName())
        .value_or(_dataSource.calendar().now().date().year());
}

QDate RecurringCommands::until() const
{
    return _dataSource.calendar().now().date().addDays(_settings.recurringLookAhead());
}

QList<DueLine> RecurringCommands::askingLines() const
{
    const QList<RecurringItem> items = RecurringRecords::read(_dataSource.document());
    QList<DueLine> lines;
    for (const DueOccurrence &due : RecurringDue::upTo(items, budgetYear(), until())) {
        const RecurringTransaction &transaction = *items[due.item].transaction;
        if (transaction.asks())
            lines.append({due.item, due.occurrence.date, transaction.description, transaction.category,
                          transaction.amount, transaction.estimate});
    }
    return lines;
}

void RecurringCommands::handleDue()
{
    _handledOn = _dataSource.calendar().now().date();
    if (!_dataSource.flushPendingEdits())
        return;
    const int year = budgetYear();
    const QList<RecurringItem> items = RecurringRecords::read(_dataSource.document());
    QList<HandledOccurrence> byThemselves;
    for (const DueOccurrence &due : RecurringDue::upTo(items, year, until())) {
        const RecurringTransaction &transaction = *items[due.item].transaction;
        if (!transaction.asks())
            byThemselves.append({due.item, due.occurrence.date, true, due.occurrence.date, transaction.amount});
    }
    if (!byThemselves.isEmpty()
        && _dataSource.edits().recurring().handle(byThemselves, year, QLocale::c()).isChanged())
        _dataSource.mainWindow().showNote(byThemselves.size() == 1
                                              ? tr("1 recurring transaction was entered.")
                                              : tr("%1 recurring transactions were entered.").arg(byThemselves.size()));
    if (_due || askingLines().isEmpty())
        return;
    _due = new DueTransactionsDialog(
        _dataSource.document(), [this] { return askingLines(); },
        [this, year](const QList<HandledOccurrence> &handled) {
            if (!_dataSource.flushPendingEdits())
                return EditAnswer::unchanged();
            return _dataSource.edits().recurring().handle(handled, year);
        },
        _alerts, &_dataSource.mainWindow());
    _due->setAttribute(Qt::WA_DeleteOnClose);
    _due->show();
}

void RecurringCommands::showList()
{
    if (!_list) {
        _list = new RecurringListWindow(_dataSource.edits(), _alerts, &_dataSource.mainWindow());
        _list->setAttribute(Qt::WA_DeleteOnClose);
    }
    _list->show();
    _list->raise();
    _list->activateWindow();
}

void RecurringCommands::makeRecurring()
{
    voCheckViewData &data = _dataSource.checkView().tableData();
    const QModelIndexList rows = data.selectionModel()->selectedRows();
    const int month = _dataSource.checkView().monthIndex();
    if (rows.isEmpty() || data.heldMonth() < 0) {
        _alerts.warning(tr("Select a transaction in the register first."));
        return;
    }
    const RegisterRecord &record = data.record(rows.first().row());
    const int year = budgetYear();
    const QDate first(year, month + 1, std::clamp(record.day.toInt(), 1, QDate(year, month + 1, 1).daysInMonth()));
    RecurringTransaction made;
    made.rule = RecurrenceRule::of(first, QStringLiteral("FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=%1").arg(first.day()),
                                   WeekendShift::None)
                    .value_or(RecurrenceRule());
    made.category = record.category;
    made.description = record.desc;
    made.amount = record.amount;
    made.note = record.note;
    // The record itself is this first occurrence: it is not entered again.
    made.last = first;
    QStringList categories;
    const BudgetDocument &document = _dataSource.document();
    for (int row = kFirstCategoryRow; row < document.getCatArray().size(); ++row)
        categories << document.getCatArray()[row].desc;
    RecurringEditorDialog::edit(
        tr("Make Recurring"), made, categories,
        [this](const RecurringTransaction &transaction) { return _dataSource.edits().recurring().add(transaction); },
        _alerts, &_dataSource.mainWindow());
}
