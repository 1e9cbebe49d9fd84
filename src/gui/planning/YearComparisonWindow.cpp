#include "YearComparisonWindow.h"

#include "ComparisonChart.h"
#include "YearComparisonModel.h"

#include "help/HandbookPage.h"

#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

YearComparisonWindow::YearComparisonWindow(QWidget *parent)
    : CompanionWindow(parent)
    , _model(new YearComparisonModel(this))
    , _note(new QLabel(this))
    , _chooseButton(new QPushButton(tr("&Last Year's Budget…"), this))
    , _table(new QTableView(this))
    , _chartChoice(new QComboBox(this))
    , _chart(new QChartView(this))
{
    HandbookPage::set(*this, QStringLiteral("planning"));
    setWindowTitle(tr("Compare with Last Year — Orrinwick"));
    setAccessibleName(tr("Compare with last year"));
    resize(1100, 680);

    _note->setObjectName(QStringLiteral("comparisonNote"));
    _note->setWordWrap(true);
    _note->setAccessibleName(tr("Why last year's figures are missing"));
    _chooseButton->setObjectName(QStringLiteral("chooseLastYearButton"));
    _chooseButton->setAccessibleName(tr("Choose last year's budget"));
    _chooseButton->setToolTip(tr("Choose the budget file of the year before, to compare with"));
    connect(_chooseButton, &QPushButton::clicked, this, &YearComparisonWindow::chooseLastYearRequested);
    auto *noteRow = new QHBoxLayout;
    noteRow->addWidget(_note, 1);
    noteRow->addWidget(_chooseButton);

    _table->setObjectName(QStringLiteral("comparisonTable"));
    _table->setAccessibleName(tr("This year against last, per category and month"));
    _table->setToolTip(tr("What was booked per category and month this year and last, the difference and the "
                          "change in percent; select a category to chart it"));
    showReadOnly(*_table, _model);
    connect(_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (current.isValid()) {
            const int row = _model->comparisonRow(current.row());
            setChartCategory(row == YearComparisonModel::kTotalRow ? QString() : _model->comparison().rows[row].name());
        }
        updateMatchButton();
    });

    auto *chartLabel = new QLabel(tr("C&hart of:"), this);
    _chartChoice->setObjectName(QStringLiteral("chartCategory"));
    _chartChoice->setAccessibleName(tr("Category to chart"));
    _chartChoice->setToolTip(tr("The category whose months the chart shows, or all categories together"));
    chartLabel->setBuddy(_chartChoice);
    connect(_chartChoice, &QComboBox::currentIndexChanged, this, &YearComparisonWindow::drawChart);
    _chart->setObjectName(QStringLiteral("comparisonChart"));
    _chart->setAccessibleName(tr("Chart of this year and last year by month"));
    _chart->setToolTip(tr("What was booked each month this year and last, for the category chosen"));
    _chart->setRenderHint(QPainter::Antialiasing);
    _chart->setFrameShape(QFrame::NoFrame);
    _chart->setMinimumHeight(220);
    auto *chartPage = new QWidget(this);
    auto *chartLayout = new QVBoxLayout(chartPage);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    auto *choiceRow = new QHBoxLayout;
    choiceRow->addWidget(chartLabel);
    choiceRow->addWidget(_chartChoice);
    choiceRow->addStretch();
    chartLayout->addLayout(choiceRow);
    chartLayout->addWidget(_chart, 1);

    auto *split = new QSplitter(Qt::Vertical, this);
    split->setAccessibleName(tr("Table and chart"));
    split->addWidget(_table);
    split->addWidget(chartPage);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(noteRow);
    layout->addWidget(split, 1);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    _matchButton = addButton(QStringLiteral("matchButton"), tr("&Match by Hand…"), tr("Match a category by hand"),
                             tr("Choose which of last year's categories the selected one was called, when it "
                                "was renamed"));
    connect(_matchButton, &QPushButton::clicked, this, [this] { emit matchRequested(selectedCategory()); });
    buttons->addWidget(_matchButton);
    buttons->addStretch();
    QPushButton *csv = addButton(QStringLiteral("exportCsvButton"), tr("Export &CSV…"),
                                 tr("Export the comparison as CSV"),
                                 tr("Writes the table as CSV with the exact amounts, for a spreadsheet"));
    connect(csv, &QPushButton::clicked, this, &YearComparisonWindow::exportCsvRequested);
    buttons->addWidget(csv);
    QPushButton *pdf = addButton(QStringLiteral("exportPdfButton"), tr("Export &PDF…"),
                                 tr("Export the comparison as PDF"), tr("Writes the table as a PDF to print or send"));
    connect(pdf, &QPushButton::clicked, this, &YearComparisonWindow::exportPdfRequested);
    buttons->addWidget(pdf);
    QPushButton *close = addButton(QStringLiteral("closeButton"), tr("Close"), tr("Close the comparison"),
                                   tr("Closes this window"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    updateMatchButton();
}


void YearComparisonWindow::showComparison(const YearComparison &comparison, const QDate &toDateEnd,
                                          const QString &note)
{
    const QString chosen = chartCategory();
    const QString selected = selectedCategory();
    _model->setComparison(comparison, toDateEnd);
    _lastYearRead = note.isEmpty();
    _note->setText(note);
    _note->setVisible(!note.isEmpty());
    _chooseButton->setVisible(!note.isEmpty());
    fillChartChoices();
    setChartCategory(chosen);
    // The selection stays on its category while the figures change.
    for (int row = 0; !selected.isEmpty() && row < _model->rowCount(); row += int(YearComparison::kFigures.size())) {
        const int at = _model->comparisonRow(row);
        if (at != YearComparisonModel::kTotalRow && comparison.rows[at].thisName == selected)
            _table->setCurrentIndex(_model->index(row, 0));
    }
    drawChart();
    updateMatchButton();
}

void YearComparisonWindow::fillChartChoices()
{
    const QSignalBlocker quiet(_chartChoice);
    _chartChoice->clear();
    _chartChoice->addItem(tr("All Categories"));
    for (const YearComparison::Row &row : _model->comparison().rows)
        _chartChoice->addItem(row.name(), row.name());
}

QString YearComparisonWindow::chartCategory() const
{
    return _chartChoice->currentData().toString();
}

void YearComparisonWindow::setChartCategory(const QString &name)
{
    const int at = name.isEmpty() ? 0 : _chartChoice->findData(name);
    _chartChoice->setCurrentIndex(std::max(at, 0));
}

QString YearComparisonWindow::selectedCategory() const
{
    const QModelIndex current = _table->currentIndex();
    if (!current.isValid())
        return {};
    const int row = _model->comparisonRow(current.row());
    return row == YearComparisonModel::kTotalRow ? QString() : _model->comparison().rows[row].thisName;
}

void YearComparisonWindow::drawChart()
{
    const YearComparison &comparison = _model->comparison();
    const QString name = chartCategory();
    const YearComparison::Row *row = &comparison.total;
    for (const YearComparison::Row &candidate : comparison.rows) {
        if (!name.isEmpty() && candidate.name() == name)
            row = &candidate;
    }
    // setChart hands the chart to the view; the old one must go by hand.
    QChart *old = _chart->chart();
    _chart->setChart(ComparisonChart::of(*row, name.isEmpty() ? tr("All categories by month")
                                                              : tr("%1 by month").arg(name)));
    delete old;
}

void YearComparisonWindow::updateMatchButton()
{
    _matchButton->setEnabled(_lastYearRead && !selectedCategory().isEmpty());
}

