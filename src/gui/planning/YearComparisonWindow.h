#pragma once

#include "platform/CompanionWindow.h"

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class YearComparisonModel;
struct YearComparison;

/// Window → Compare with Last Year: the table of this year against last,
/// and a chart of both years per month for the category chosen (or all). It
/// only shows; what it asks for it signals. A modeless dialog.
class YearComparisonWindow final : public CompanionWindow
{
    Q_OBJECT

public:
    explicit YearComparisonWindow(QWidget *parent = nullptr);

    /// Shows the comparison, the year to date up to `toDateEnd`; `note` says
    /// why last year's figures are missing (empty when they are there).
    void showComparison(const YearComparison &comparison, const QDate &toDateEnd, const QString &note);

    [[nodiscard]] const YearComparisonModel &model() const { return *_model; }
    /// The chart's category; empty for all.
    [[nodiscard]] QString chartCategory() const;
    void setChartCategory(const QString &name);
    /// This year's category of the selected table row; empty when none is.
    [[nodiscard]] QString selectedCategory() const;

signals:
    void chooseLastYearRequested();
    void matchRequested(const QString &category);
    void exportCsvRequested();
    void exportPdfRequested();

private:
    void fillChartChoices();
    void drawChart();
    void updateMatchButton();

    YearComparisonModel *_model;
    QLabel *_note;
    QPushButton *_chooseButton;
    QTableView *_table;
    QComboBox *_chartChoice;
    QChartView *_chart;
    QPushButton *_matchButton = nullptr;
    bool _lastYearRead = false;
};
