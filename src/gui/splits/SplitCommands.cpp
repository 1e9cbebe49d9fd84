#include "SplitCommands.h"

#include "SplitEditorDialog.h"

#include "app/MainWindow.h"
#include "app/MyDataSource.h"

#include "document/BudgetDocument.h"
#include "editing/DocumentEditing.h"
#include "platform/Alerts.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QAction>
#include <QPushButton>
#include <QTableView>

SplitCommands::SplitCommands(MyDataSource &dataSource, Alerts &alerts, QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _alerts(alerts)
    , _splitAction(new QAction(tr("&Split…"), &dataSource.mainWindow()))
{
    _splitAction->setObjectName(QStringLiteral("actionSplit"));
    _splitAction->setStatusTip(tr("Split the register's selected transaction over several categories"));
    // Ctrl+Shift+L is no standard key on any desktop.
    _splitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    connect(_splitAction, &QAction::triggered, this, &SplitCommands::split);
    // With the other commands of the register.
    dataSource.mainWindow().insertActions(MenuPlace::EditBeforePreferences, {_splitAction});
    connect(dataSource.checkView().splitButton(), &QPushButton::clicked, this, &SplitCommands::split);
    QTableView *table = dataSource.checkView().tableView();
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->addAction(_splitAction);
}

void SplitCommands::split()
{
    voCheckViewCtrl &view = _dataSource.checkView();
    view.commitEditing();
    voCheckViewData &data = view.tableData();
    const QList<int> rows = data.selectedRows();
    if (rows.isEmpty() || data.heldMonth() < 0) {
        _alerts.warning(tr("Select a transaction in the register first."));
        return;
    }
    SplitEdits &edits = _dataSource.edits().splits();
    const int row = rows.first();
    const QList<int> splitRows = edits.rowsOfSplit(data, row);
    const RegisterRecord &first = data.record(splitRows.first());
    const SplitEditorDialog::Whole whole{first.day, first.desc, edits.totalOf(data, row)};
    QList<SplitPart> parts = edits.partsOf(data, row);
    const quint64 id = data.record(row).id;
    // The rows may move while the editor is open (an undo from the menu is not
    // possible, it is modal), but the record is found again by its id.
    const auto rowNow = [&data, id] { return data.rowOfRecord(id); };
    SplitEditorDialog::Unsplit unsplit;
    if (splitRows.size() > 1)
        unsplit = [&edits, &data, rowNow] { return edits.unsplit(data, rowNow()); };
    QStringList categories = data.categoryList();
    SplitEditorDialog::edit(
        whole, parts, categories,
        [&edits, &data, rowNow](const QList<SplitPart> &typed) { return edits.split(data, rowNow(), typed); },
        unsplit, _alerts, &_dataSource.mainWindow());
}
