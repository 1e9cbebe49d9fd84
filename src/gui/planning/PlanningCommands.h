#pragma once

#include "year/BudgetFill.h"
#include "year/LastYearBudget.h"

#include <QFileSystemWatcher>
#include <QObject>

#include <optional>

class Alerts;
class FilePanels;
class MyDataSource;
class QAction;
class QMenu;

/// Planning with the past in the window: File → Last Year's Budget…, the
/// Fill menu (menu bar and the grid's context menu) with its preview, and
/// last year's file kept read for January's carry, read again when it
/// changes on disk. Creating it puts the commands into the menus.
class PlanningCommands final : public QObject
{
    Q_OBJECT

public:
    PlanningCommands(MyDataSource &dataSource, FilePanels &filePanels, Alerts &alerts, QObject *parent = nullptr);
    ~PlanningCommands() override;
    Q_DISABLE_COPY_MOVE(PlanningCommands)

    /// Asks for last year's file, starting at this one's name with the year
    /// lowered by one, and links it.
    void menuLastYearsBudget();
    /// Previews the rule on the grid's selection, then fills on OK.
    void fill(BudgetFill::Rule rule, int window = 3);

    /// Reads the linked file (again, when it changed) and hands January's carry to the document.
    void followLink();

    [[nodiscard]] QMenu *fillMenu() const { return _fillMenu; }
    [[nodiscard]] const LastYearBudget &lastYear() const { return _lastYear; }
    /// The grid's selection as a fill: the Budget row in standard mode, a
    /// category's envelopes in envelope mode; none for any other cell.
    [[nodiscard]] std::optional<BudgetFill::Request> selectedFill() const;

signals:
    /// Last year's file was followed again: linked anew, read again, or found missing.
    void lastYearChanged();

private:
    void addFillAction(const QString &objectName, BudgetFill::Rule rule, int window = 3);
    [[nodiscard]] std::optional<QString> askValue(const QString &title, const QString &label);

    MyDataSource &_dataSource;
    FilePanels &_filePanels;
    Alerts &_alerts;
    LastYearBudget _lastYear;
    QFileSystemWatcher _watcher;
    QMenu *_fillMenu;
    QAction *_lastYearAction;
};
