#pragma once

#include "YearComparisonWindow.h"
#include "year/YearComparison.h"

#include <QObject>
#include <QPointer>

#include <optional>

class Alerts;
class FilePanels;
class MyDataSource;
class PlanningCommands;
class QAction;
class RefreshAfterBurst;

/// Window → Compare with Last Year: opens the comparison window and keeps it
/// following this year's budget and last year's file, matches a renamed
/// category by hand, and exports the table as CSV or PDF. The figures are
/// YearComparison's, the ones --compare prints.
class ComparisonCommands final : public QObject
{
    Q_OBJECT

public:
    ComparisonCommands(MyDataSource &dataSource, PlanningCommands &planning, FilePanels &filePanels, Alerts &alerts,
                       QObject *parent = nullptr);
    ~ComparisonCommands() override;
    Q_DISABLE_COPY_MOVE(ComparisonCommands)

    /// Opens the window, or brings the open one forward.
    void menuCompare();
    /// Asks for last year's name of this year's `category` and stores the match.
    void matchByHand(const QString &category);
    void exportCsv();
    void exportPdf();

    /// The comparison window while it is open.
    [[nodiscard]] YearComparisonWindow *window() const { return _window; }
    /// This year against last as of today.
    [[nodiscard]] YearComparison comparison() const;

private:
    [[nodiscard]] QDate toDateEnd() const;
    /// Why last year's figures are missing; empty when they are read.
    [[nodiscard]] QString note() const;
    void refresh();
    [[nodiscard]] std::optional<QString> askLastName(const QString &category);
    /// Asks where the export goes, beside the budget and named after it.
    [[nodiscard]] std::optional<QString> exportPath(const QString &title, const QString &suffix);

    MyDataSource &_dataSource;
    PlanningCommands &_planning;
    FilePanels &_filePanels;
    Alerts &_alerts;
    QAction *_action;
    RefreshAfterBurst *_refresh;
    QPointer<YearComparisonWindow> _window;
};
