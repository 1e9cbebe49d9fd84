#include "BudgetChartsWindow.h"

#include "help/HandbookPage.h"
#include "platform/RefreshAfterBurst.h"
#include "BudgetChartData.h"
#include "document/BudgetDocument.h"
#include "document/MonthDisplay.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHorizontalBarSeries>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

/// A chart that fills its page, on the window's own background.
QChart *plainChart()
{
    auto *chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(8, 8, 8, 8));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    return chart;
}

QChartView *makeView(QWidget *parent, const QString &objectName, const QString &name, const QString &tip)
{
    auto *view = new QChartView(parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameShape(QFrame::NoFrame);
    view->setAccessibleName(name);
    view->setToolTip(tip);
    return view;
}

QValueAxis *amountAxis(double highest)
{
    auto *axis = new QValueAxis;
    axis->setRange(0, highest > 0 ? highest * 1.1 : 1);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->applyNiceNumbers();
    return axis;
}

QChart *monthsChart(const BudgetChartData &data)
{
    QChart *chart = plainChart();
    chart->setTitle(QObject::tr("Budget and spending by month"));
    auto *budget = new QBarSet(data.envelopeMode ? QObject::tr("Envelopes") : QObject::tr("Budget"));
    auto *spent = new QBarSet(QObject::tr("Spent"));
    double highest = 0;
    for (int month = 0; month < 12; ++month) {
        const double planned = data.envelopeMode ? data.envelopes[std::size_t(month)] : data.budget[std::size_t(month)];
        *budget << planned;
        *spent << data.spent[std::size_t(month)];
        highest = std::max({highest, planned, data.spent[std::size_t(month)]});
    }
    auto *series = new QBarSeries;
    series->append(budget);
    series->append(spent);
    chart->addSeries(series);

    auto *months = new QBarCategoryAxis;
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        months->append(MonthDisplay::shortName(month));
    chart->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    QValueAxis *amounts = amountAxis(highest);
    chart->addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChart *categoriesChart(const BudgetChartData &data)
{
    QChart *chart = plainChart();
    chart->setTitle(QObject::tr("Spending of the year by category"));
    auto *spent = new QBarSet(QObject::tr("Spent"));
    QStringList names;
    double highest = 0;
    // The first category at the top, as in the grid.
    for (auto category = data.categories.crbegin(); category != data.categories.crend(); ++category) {
        names << category->name;
        *spent << category->spent;
        highest = std::max(highest, category->spent);
    }
    auto *series = new QHorizontalBarSeries;
    series->append(spent);
    chart->addSeries(series);
    auto *axis = new QBarCategoryAxis;
    axis->append(names);
    chart->addAxis(axis, Qt::AlignLeft);
    series->attachAxis(axis);
    QValueAxis *amounts = amountAxis(highest);
    chart->addAxis(amounts, Qt::AlignBottom);
    series->attachAxis(amounts);
    chart->legend()->hide();
    return chart;
}

} // namespace

BudgetChartsWindow::BudgetChartsWindow(BudgetDocument &document, QWidget *parent)
    : CompanionWindow(parent)
    , _document(document)
{
    HandbookPage::set(*this, QStringLiteral("budget-grid"));
    setWindowTitle(tr("Charts — Orrinwick"));
    setAccessibleName(tr("Charts"));
    resize(820, 520);
    _tabs = new QTabWidget(this);
    _tabs->setDocumentMode(true);
    _tabs->setAccessibleName(tr("Chart pages"));
    _monthsView = makeView(_tabs, QStringLiteral("monthsChart"), tr("Budget and spending by month"),
                           tr("Each month's budget beside what was spent in it"));
    _categoriesView = makeView(_tabs, QStringLiteral("categoriesChart"), tr("Spending by category"),
                               tr("What each category spent in the year"));
    _tabs->addTab(_monthsView, tr("Months"));
    _tabs->addTab(_categoriesView, tr("Categories"));
    _tabs->setTabToolTip(0, tr("Budget and spending by month (Ctrl+Tab for the next page)"));
    _tabs->setTabToolTip(1, tr("Spending by category (Ctrl+Tab for the next page)"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(_tabs);

    auto *later = new RefreshAfterBurst([this] { refresh(); }, this);
    later->follow(&_document, &BudgetDocument::redisplayRequested);
    later->follow(&_document, &BudgetDocument::rowsChanged);
    refresh();
}

void BudgetChartsWindow::refresh()
{
    const BudgetChartData data = BudgetChartData::fromDocument(_document);
    // setChart hands the chart to the view; the old one must go by hand.
    QChart *oldMonths = _monthsView->chart();
    QChart *oldCategories = _categoriesView->chart();
    _monthsView->setChart(monthsChart(data));
    _categoriesView->setChart(categoriesChart(data));
    delete oldMonths;
    delete oldCategories;
}
