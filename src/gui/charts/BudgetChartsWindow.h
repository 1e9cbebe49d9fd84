#pragma once

#include "platform/CompanionWindow.h"

class BudgetDocument;
class QChartView;
class QTabWidget;

/// A window of two charts that follow the document as it changes: per month
/// the budget against what was spent (and the envelopes in envelope mode),
/// and per category the spending of the year. A modeless dialog.
class BudgetChartsWindow final : public CompanionWindow
{
    Q_OBJECT

public:
    explicit BudgetChartsWindow(BudgetDocument &document, QWidget *parent = nullptr);

    /// Redraws both charts from the document now.
    void refresh();

private:
    BudgetDocument &_document;
    QTabWidget *_tabs = nullptr;
    QChartView *_monthsView = nullptr;
    QChartView *_categoriesView = nullptr;
};
