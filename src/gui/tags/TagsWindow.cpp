#include "TagsWindow.h"

#include "TagTotalsModel.h"

#include "charts/MonthBarChart.h"
#include "help/HandbookPage.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

TagsWindow::TagsWindow(QWidget *parent)
    : CompanionWindow(parent)
    , _model(new TagTotalsModel(this))
    , _empty(new QLabel(this))
    , _table(new QTableView(this))
    , _chart(new QChartView(this))
{
    HandbookPage::set(*this, QStringLiteral("tags"));
    setWindowTitle(tr("Tags — Orrinwick"));
    setAccessibleName(tr("Tags"));
    resize(1200, 560);

    _empty->setObjectName(QStringLiteral("tagsEmptyNote"));
    _empty->setWordWrap(true);
    _empty->setAccessibleName(tr("Why no tag is listed"));
    _empty->setText(tr("No note of this year has a tag yet. Write one into a record's note in the register, "
                       "such as #holiday, to see here what was booked under it."));

    _table->setObjectName(QStringLiteral("tagsTable"));
    _table->setAccessibleName(tr("Booked per tag and month"));
    _table->setToolTip(tr("What was booked under each tag of the year's notes, per month and for the year; "
                          "select a tag to chart it"));
    showReadOnly(*_table, _model);
    connect(_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TagsWindow::drawChart);

    _chart->setObjectName(QStringLiteral("tagsChart"));
    _chart->setAccessibleName(tr("Chart of the selected tag by month"));
    _chart->setToolTip(tr("What was booked each month under the tag selected in the table"));
    _chart->setRenderHint(QPainter::Antialiasing);
    _chart->setFrameShape(QFrame::NoFrame);
    _chart->setMinimumWidth(320);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->setAccessibleName(tr("Table and chart"));
    split->addWidget(_table);
    split->addWidget(_chart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(_empty);
    layout->addWidget(split, 1);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch();
    QPushButton *csv = addButton(QStringLiteral("exportCsvButton"), tr("Export &CSV…"),
                                 tr("Export the tags as CSV"),
                                 tr("Writes the table as CSV with the exact amounts, for a spreadsheet"));
    connect(csv, &QPushButton::clicked, this, &TagsWindow::exportCsvRequested);
    buttons->addWidget(csv);
    QPushButton *pdf = addButton(QStringLiteral("exportPdfButton"), tr("Export &PDF…"), tr("Export the tags as PDF"),
                                 tr("Writes the table as a PDF to print or send"));
    connect(pdf, &QPushButton::clicked, this, &TagsWindow::exportPdfRequested);
    buttons->addWidget(pdf);
    QPushButton *close = addButton(QStringLiteral("closeButton"), tr("Close"), tr("Close the tags"),
                                   tr("Closes this window"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    drawChart();
}


void TagsWindow::showTotals(const TagTotals &totals)
{
    const QString selected = selectedTag();
    _model->setTotals(totals);
    _empty->setVisible(totals.rows.isEmpty());
    const qsizetype at = totals.tags().indexOf(selected);
    selectTag(totals.tags().value(at < 0 ? 0 : at));
    drawChart();
}

QString TagsWindow::selectedTag() const
{
    const QModelIndex current = _table->currentIndex();
    return current.isValid() ? _model->totals().rows[current.row()].tag : QString();
}

void TagsWindow::selectTag(const QString &tag)
{
    const qsizetype row = _model->totals().tags().indexOf(tag);
    if (row >= 0)
        _table->setCurrentIndex(_model->index(int(row), 0));
}

void TagsWindow::drawChart()
{
    const QModelIndex current = _table->currentIndex();
    QList<MonthBarChart::Series> series;
    QString title = tr("No tag selected");
    if (current.isValid()) {
        const TagTotals::Row &row = _model->totals().rows[current.row()];
        series.append({tr("Booked"), row.months});
        title = tr("%1 by month").arg(row.tag);
    }
    // setChart hands the chart to the view; the old one must go by hand.
    QChart *old = _chart->chart();
    _chart->setChart(MonthBarChart::of(title, series));
    delete old;
}

