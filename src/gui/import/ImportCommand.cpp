#include "ImportCommand.h"

#include "ImportPreviewDialog.h"
#include "ImportPreviewModel.h"

#include "app/MainWindow.h"
#include "app/MyDataSource.h"
#include "document/BudgetDocument.h"
#include "editing/AddRecords.h"
#include "editing/DocumentEditing.h"
#include "import/ImportSettings.h"
#include "import/StatementSource.h"
#include "platform/Alerts.h"
#include "platform/FilePanels.h"

#include <QAction>
#include <QMenu>

ImportCommand::ImportCommand(MyDataSource &dataSource, Settings &settings, FilePanels &filePanels, Alerts &alerts,
                             QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _settings(settings)
    , _filePanels(filePanels)
    , _alerts(alerts)
    , _action(new QAction(tr("&Import Transactions…"), this))
{
    _action->setObjectName(QStringLiteral("actionImportTransactions"));
    _action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    _action->setStatusTip(tr("Add the transactions of a bank statement (OFX, QFX, QIF or CSV) to the registers"));
    _dataSource.mainWindow().insertActions(MenuPlace::FileBeforeExport, {_action});
    connect(_action, &QAction::triggered, this, &ImportCommand::menuImport);
}

void ImportCommand::menuImport()
{
    const std::optional<QString> path = _filePanels.runImportPanel(&_dataSource.mainWindow());
    if (path)
        importStatementFile(*path);
}

void ImportCommand::importStatementFile(const QString &path)
{
    StatementSource source = StatementSource::open(path);
    if (!source.ok()) {
        _alerts.warning(source.error());
        return;
    }
    // The edits still held go into the document first: the plan looks for
    // duplicates there, and the lines are added there (the register's month
    // follows the added lines).
    if (!_dataSource.flushPendingEdits())
        return;

    ImportSettings settings(_settings);
    ImportPreviewDialog preview(std::move(source), _dataSource.document(), settings, _alerts,
                                _dataSource.dataFileName(), &_dataSource.mainWindow());
    const bool accepted = preview.run();
    // Keyboard work goes on in the main window, also where no window manager hands the focus back.
    _dataSource.mainWindow().activateWindow();
    const AddRecords add = preview.plan().addition();
    // A split line counts once, however many parts it has.
    const int count = preview.plan().tickedCount();
    if (accepted && !add.isEmpty())
        (void)_dataSource.edits().addRecords(
            add, count == 1 ? tr("Import 1 Transaction") : tr("Import %1 Transactions").arg(count),
            preview.plan().year(), preview.plan().newCategories(), preview.plan().enteredOccurrences());
}
