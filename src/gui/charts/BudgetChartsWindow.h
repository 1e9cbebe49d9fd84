#pragma once

#include <QDialog>

class BudgetDocument;
class QChartView;
class QTabWidget;
class QTimer;

/// A window of two charts that follow the document as it changes: per month
/// the budget against what was spent (and the envelopes in envelope mode),
/// and per category the spending of the year. A modeless dialog.
class BudgetChartsWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit BudgetChartsWindow(BudgetDocument &document, QWidget *parent = nullptr);

    /// Redraws both charts from the document now.
    void refresh();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    BudgetDocument &_document;
    QTabWidget *_tabs = nullptr;
    QChartView *_monthsView = nullptr;
    QChartView *_categoriesView = nullptr;
    QTimer *_refreshTimer = nullptr;
};
