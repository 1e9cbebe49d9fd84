#include "DesktopCommands.h"

#include "MainWindow.h"
#include "MyDataSource.h"

#include "charts/BudgetChartsWindow.h"
#include "document/BudgetDocument.h"
#include "document/CsvExport.h"
#include "document/MonthTables.h"
#include "platform/Alerts.h"
#include "document/MonthDisplay.h"
#include "platform/AtomicFile.h"
#include "platform/FilePanels.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QAction>
#include <QMenu>
#include <QDir>
#include <QFileInfo>

DesktopCommands::DesktopCommands(MyDataSource &dataSource, FilePanels &filePanels, Alerts &alerts, QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _filePanels(filePanels)
    , _alerts(alerts)
{
    const MainWindow &window = _dataSource.mainWindow();
    connect(window.action(MenuCommand::ExportGrid), &QAction::triggered, this, &DesktopCommands::menuExportGrid);
    connect(window.action(MenuCommand::ExportShownMonth), &QAction::triggered, this,
            &DesktopCommands::menuExportShownMonth);
    connect(window.menu(MainMenuName::ExportMonth), &QMenu::triggered, this,
            [this](QAction *item) { menuExportMonth(item->data().toInt()); });
    connect(window.menu(MainMenuName::Export), &QMenu::aboutToShow, this, &DesktopCommands::updateExportMenu);
    connect(window.action(MenuCommand::Charts), &QAction::triggered, this, &DesktopCommands::menuShowCharts);
    updateExportMenu();
}

DesktopCommands::~DesktopCommands()
{
    delete _charts;
}

void DesktopCommands::menuExportGrid()
{
    if (!_dataSource.flushPendingEdits())
        return;
    exportCsv(tr("Export Budget Grid"), tr("Budget Grid"), CsvExport::budgetGrid(_dataSource.document()));
}

void DesktopCommands::menuExportMonth(int month)
{
    if (month < 0 || month >= MonthTables::kMonthCount || !_dataSource.flushPendingEdits())
        return;
    const QString name = MonthDisplay::name(month);
    exportCsv(tr("Export %1 Register").arg(name), tr("%1 Register").arg(name),
              CsvExport::monthRegister(_dataSource.document(), month));
}

void DesktopCommands::menuExportShownMonth()
{
    if (!_dataSource.flushPendingEdits())
        return;
    const voCheckViewData &data = _dataSource.checkView().tableData();
    const int month = data.heldMonth();
    if (_dataSource.selectedTabIndex() != 1 || month < 0) {
        // Nothing shown in the register: the document holds every edit.
        menuExportMonth(month);
        return;
    }
    QList<CsvExport::Transaction> rows;
    rows.reserve(data.numberOfRowsInTableView());
    for (int row = 0; row < data.numberOfRowsInTableView(); ++row)
        rows.append({data.record(row).category, data.record(row).toEntry()});
    const QString name = MonthDisplay::name(month);
    exportCsv(tr("Export %1 Register").arg(name), tr("%1 Register").arg(name), CsvExport::transactions(rows, _dataSource.document().extensions(), month));
}

void DesktopCommands::menuShowCharts()
{
    if (!_dataSource.flushPendingEdits())
        return;
    if (!_charts) {
        MainWindow &window = _dataSource.mainWindow();
        _charts = new BudgetChartsWindow(_dataSource.document(), &window);
        _charts->setAttribute(Qt::WA_DeleteOnClose);
        _charts->move(window.geometry().topLeft() + QPoint(40, 40));
    }
    _charts->show();
    _charts->raise();
    _charts->activateWindow();
}

BudgetChartsWindow *DesktopCommands::chartsWindow() const
{
    return _charts;
}

void DesktopCommands::updateExportMenu()
{
    const MainWindow &window = _dataSource.mainWindow();
    const QString shownMonth = MonthDisplay::name(_dataSource.checkView().tableData().heldMonth());
    const bool registerShown = _dataSource.selectedTabIndex() == 1 && !shownMonth.isNull();
    QAction *exportShown = window.action(MenuCommand::ExportShownMonth);
    exportShown->setVisible(registerShown);
    if (registerShown)
        exportShown->setText(tr("&Register of %1 as CSV…").arg(shownMonth));
    window.menu(MainMenuName::ExportMonth)->menuAction()->setVisible(!registerShown);
}

void DesktopCommands::exportCsv(const QString &title, const QString &suggestedName, const QByteArray &csv)
{
    // Beside the budget file, named after it: "household-2026 Budget Grid.csv".
    const QString dataFile = _dataSource.dataFileName();
    const QFileInfo budget(dataFile);
    const QString folder = dataFile.isEmpty() ? QDir::homePath() : budget.absolutePath();
    const QString name = dataFile.isEmpty() ? suggestedName : budget.completeBaseName() + u' ' + suggestedName;
    const std::optional<QString> path
        = _filePanels.runExportPanel(&_dataSource.mainWindow(), title, QDir(folder).filePath(name + QStringLiteral(".csv")));
    if (!path)
        return;
    if (!AtomicFile::write(*path, csv))
        _alerts.warning(tr("The export could not be written to \"%1\". Nothing was saved there.").arg(*path));
}
