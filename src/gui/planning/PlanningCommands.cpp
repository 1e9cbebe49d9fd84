#include "PlanningCommands.h"

#include "FillPreviewDialog.h"

#include "app/BudgetGridModel.h"
#include "app/BudgetGridView.h"
#include "app/MainWindow.h"
#include "app/MyDataSource.h"
#include "document/BudgetDocument.h"
#include "document/EnvelopeCarry.h"
#include "editing/DocumentEditing.h"
#include "editing/DocumentSetup.h"
#include "platform/Alerts.h"
#include "platform/FilePanels.h"
#include "platform/ModalLoop.h"
#include "sync/DocumentSync.h"
#include "year/LastYearLink.h"

#include <QAction>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>

#include <algorithm>

PlanningCommands::PlanningCommands(MyDataSource &dataSource, FilePanels &filePanels, Alerts &alerts, QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _filePanels(filePanels)
    , _alerts(alerts)
    , _fillMenu(new QMenu(tr("F&ill"), &dataSource.mainWindow()))
    , _lastYearAction(new QAction(tr("&Last Year's Budget…"), &dataSource.mainWindow()))
{
    MainWindow &window = _dataSource.mainWindow();
    _lastYearAction->setObjectName(QStringLiteral("actionLastYearsBudget"));
    _lastYearAction->setToolTip(tr("Choose the budget file of the year before, to plan with"));
    _lastYearAction->setStatusTip(_lastYearAction->toolTip());
    connect(_lastYearAction, &QAction::triggered, this, &PlanningCommands::menuLastYearsBudget);
    // Beside the other commands that open a file.
    window.insertActions(MenuPlace::FileAfterOpenRecent, {_lastYearAction});

    _fillMenu->setObjectName(QStringLiteral("menuFill"));
    _fillMenu->setToolTipsVisible(true);
    addFillAction(QStringLiteral("actionFillSameAsPrevious"), BudgetFill::Rule::SameAsPreviousMonth);
    addFillAction(QStringLiteral("actionFillCopyToFollowing"), BudgetFill::Rule::CopyToFollowingMonths);
    addFillAction(QStringLiteral("actionFillSetMonths"), BudgetFill::Rule::SetMonthsTo);
    _fillMenu->addSeparator();
    for (int window : {3, 6, 12})
        addFillAction(QStringLiteral("actionFillAverage%1").arg(window), BudgetFill::Rule::AverageSpent, window);
    _fillMenu->addSeparator();
    addFillAction(QStringLiteral("actionFillSpentLastYear"), BudgetFill::Rule::SpentSameMonthLastYear);
    addFillAction(QStringLiteral("actionFillBudgetLastYear"), BudgetFill::Rule::BudgetSameMonthLastYear);
    _fillMenu->addSeparator();
    addFillAction(QStringLiteral("actionFillPercent"), BudgetFill::Rule::ChangeByPercent);
    window.insertMenuBeforeWindow(_fillMenu);
    connect(_fillMenu, &QMenu::aboutToShow, this, [this] {
        const bool fillable = selectedFill().has_value();
        for (QAction *action : _fillMenu->actions())
            action->setEnabled(fillable);
    });

    BudgetGridView *grid = window.tableView();
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, grid](const QPoint &at) { _fillMenu->popup(grid->viewport()->mapToGlobal(at)); });

    const BudgetDocument &document = _dataSource.document();
    connect(&document, &BudgetDocument::extensionsChanged, this, &PlanningCommands::followLink);
    connect(&document, &BudgetDocument::rowsChanged, this, &PlanningCommands::followLink);
    connect(&_dataSource.sync(), &DocumentSync::updateHandled, this, &PlanningCommands::followLink);
    connect(&_watcher, &QFileSystemWatcher::fileChanged, this, &PlanningCommands::followLink);
    followLink();
}

PlanningCommands::~PlanningCommands() = default;

void PlanningCommands::addFillAction(const QString &objectName, BudgetFill::Rule rule, int window)
{
    QAction *action = _fillMenu->addAction(BudgetFill::title(rule, window));
    action->setObjectName(objectName);
    action->setToolTip(tr("Fills the selected months of the Budget row, or in envelope mode of a category's "
                          "envelopes, after a preview"));
    action->setStatusTip(action->toolTip());
    connect(action, &QAction::triggered, this, [this, rule, window] { fill(rule, window); });
}

void PlanningCommands::followLink()
{
    BudgetDocument &document = _dataSource.document();
    _lastYear.follow(document.extensions(), _dataSource.dataFileName());
    // A file saved by replacing it leaves the watch: watch its path again.
    if (!_watcher.files().isEmpty())
        _watcher.removePaths(_watcher.files());
    if (_lastYear.isLinked() && QFileInfo::exists(_lastYear.path()))
        _watcher.addPath(_lastYear.path());
    DocumentSetup::setLastYearClosing(document, _lastYear.closingFor(document));
    emit lastYearChanged();
}

void PlanningCommands::menuLastYearsBudget()
{
    const QString current = _dataSource.dataFileName();
    const QString start = _lastYear.isLinked() ? _lastYear.path()
                                               : LastYearLink::suggestedPath(current).value_or(QString());
    const std::optional<QString> chosen
        = _filePanels.runChoosePanel(&_dataSource.mainWindow(), tr("Last Year's Budget"), start);
    if (!chosen)
        return;
    if (!current.isEmpty() && QFileInfo(*chosen).absoluteFilePath() == QFileInfo(current).absoluteFilePath()) {
        _alerts.warning(tr("This is the budget you have open. Choose the file of the year before."));
        return;
    }
    (void)_dataSource.edits().planning().setLastYearLink(
        current.isEmpty() ? QFileInfo(*chosen).absoluteFilePath() : LastYearLink::storedLink(current, *chosen));
}

std::optional<BudgetFill::Request> PlanningCommands::selectedFill() const
{
    const BudgetGridView *grid = _dataSource.mainWindow().tableView();
    const QModelIndexList cells = grid->selectionModel() ? grid->selectionModel()->selectedIndexes() : QModelIndexList();
    const QModelIndex current = cells.isEmpty() ? grid->currentIndex() : cells.first();
    if (!current.isValid())
        return std::nullopt;
    const int row = current.row();
    const BudgetDocument &document = _dataSource.document();
    BudgetFill::Request request;
    if (document.isEnvelopeEnabled() && row >= kFirstCategoryRow && row < document.getCatArray().size())
        request.category = document.getCatArray()[row].desc;
    else if (document.isEnvelopeEnabled() || row != kBudgetRowIndex)
        return std::nullopt;
    for (const QModelIndex &cell : cells.isEmpty() ? QModelIndexList{current} : cells) {
        const int month = BudgetGridModel::monthOfColumn(cell.column());
        if (cell.row() == row && month >= 0)
            request.months.append(month);
    }
    // The name alone chosen: the whole year.
    if (request.months.isEmpty()) {
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            request.months.append(month);
    }
    std::sort(request.months.begin(), request.months.end());
    return request;
}

std::optional<QString> PlanningCommands::askValue(const QString &title, const QString &label)
{
    QInputDialog dialog(&_dataSource.mainWindow());
    dialog.setWindowTitle(title);
    dialog.setAccessibleName(title);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowModality(Qt::ApplicationModal);
    connect(&dialog, &QDialog::finished, this, [&dialog] { ModalLoop::current().stop(&dialog); });
    dialog.show();
    ModalLoop::current().run(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void PlanningCommands::fill(BudgetFill::Rule rule, int window)
{
    if (!_dataSource.flushPendingEdits())
        return;
    std::optional<BudgetFill::Request> request = selectedFill();
    if (!request) {
        _alerts.warning(tr("Choose months of the Budget row to fill, or in envelope mode months of a category."));
        return;
    }
    request->rule = rule;
    request->window = window;
    const QString title = BudgetFill::title(rule, window).remove(QStringLiteral("…"));
    if (rule == BudgetFill::Rule::SetMonthsTo || rule == BudgetFill::Rule::ChangeByPercent) {
        const std::optional<QString> typed = askValue(
            title, rule == BudgetFill::Rule::SetMonthsTo ? tr("Amount for each month:") : tr("Change in percent:"));
        if (!typed)
            return;
        request->typed = *typed;
    }
    followLink();
    const BudgetFill::Preview preview = BudgetFill::preview(_dataSource.document(), _lastYear, *request);
    if (!preview.refusal.isEmpty()) {
        _alerts.warning(preview.refusal);
        return;
    }
    if (!FillPreviewDialog::confirm(title, preview, &_dataSource.mainWindow()))
        return;
    (void)_dataSource.edits().planning().fill(preview.amounts);
}
