#pragma once

#include "platform/CompanionWindow.h"

class QChartView;
class QLabel;
class QPushButton;
class QTableView;
class TagTotalsModel;
struct TagTotals;

/// Window → Tags: what was booked per tag and month with the year's total,
/// and beside it a chart of the selected tag's months. It only shows; the
/// exports it asks for it signals. A modeless dialog.
class TagsWindow final : public CompanionWindow
{
    Q_OBJECT

public:
    explicit TagsWindow(QWidget *parent = nullptr);

    /// Shows the figures; the selection stays on its tag while they change.
    void showTotals(const TagTotals &totals);

    [[nodiscard]] const TagTotalsModel &model() const { return *_model; }
    /// The tag the chart shows; empty when there is none.
    [[nodiscard]] QString selectedTag() const;
    void selectTag(const QString &tag);

signals:
    void exportCsvRequested();
    void exportPdfRequested();

private:
    void drawChart();

    TagTotalsModel *_model;
    QLabel *_empty;
    QTableView *_table;
    QChartView *_chart;
};
