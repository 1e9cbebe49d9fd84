#pragma once

#include <QObject>
#include <QPointer>

class Alerts;
class BudgetChartsWindow;
class FilePanels;
class MyDataSource;

/// The commands beyond the document's own: File → Export writes the budget
/// grid or one month's register as CSV, Window → Charts shows the charts
/// window. Each first writes back what the views still hold, so that it
/// reads every edit. Connects itself to the main window's actions.
class DesktopCommands final : public QObject
{
    Q_OBJECT

public:
    DesktopCommands(MyDataSource &dataSource, FilePanels &filePanels, Alerts &alerts, QObject *parent = nullptr);
    ~DesktopCommands() override;
    Q_DISABLE_COPY_MOVE(DesktopCommands)

    /// Asks where to, then writes the budget grid as CSV.
    void menuExportGrid();
    /// Asks where to, then writes the month's (0 … 11) transactions as CSV.
    void menuExportMonth(int month);
    /// Exports the month the register shows, in the order it shows it.
    void menuExportShownMonth();
    /// Opens the charts window, or brings the open one forward.
    void menuShowCharts();

    /// The charts window while it is open.
    [[nodiscard]] BudgetChartsWindow *chartsWindow() const;

private:
    /// The register's shown month on the register tab, a month submenu on the grid tab.
    void updateExportMenu();
    void exportCsv(const QString &title, const QString &suggestedName, const QByteArray &csv);

    MyDataSource &_dataSource;
    FilePanels &_filePanels;
    Alerts &_alerts;
    QPointer<BudgetChartsWindow> _charts;
};
