#include "DueTransactionsDialog.h"

#include "ui_DueTransactions.h"

#include "document/BudgetDocument.h"
#include "help/HandbookPage.h"
#include "platform/Alerts.h"
#include "platform/MoneyDisplay.h"

#include <QStandardItemModel>

#include <algorithm>

namespace {

enum Column { Day, Description, Category, Amount };

} // namespace

DueTransactionsDialog::DueTransactionsDialog(const BudgetDocument &document, DueList due, Handle handle,
                                             Alerts &alerts, QWidget *parent)
    : QDialog(parent)
    , _ui(std::make_unique<Ui::DueTransactions>())
    , _lines(new QStandardItemModel(this))
    , _due(std::move(due))
    , _handle(std::move(handle))
    , _alerts(alerts)
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("recurring"));
    _ui->_lines->setModel(_lines);
    connect(_ui->enterButton, &QPushButton::clicked, this, &DueTransactionsDialog::enterSelected);
    connect(_ui->skipButton, &QPushButton::clicked, this, &DueTransactionsDialog::skipSelected);
    connect(_ui->laterButton, &QPushButton::clicked, this, &DueTransactionsDialog::laterSelected);
    connect(_ui->enterAllButton, &QPushButton::clicked, this, &DueTransactionsDialog::enterAll);
    connect(_ui->skipAllButton, &QPushButton::clicked, this, &DueTransactionsDialog::skipAll);
    connect(_ui->laterAllButton, &QPushButton::clicked, this, &QDialog::close);
    connect(&document, &BudgetDocument::extensionsChanged, this, [this] {
        // Another change (an undo, an edit of the list) may move what the
        // lines refer to: what was left for later is offered again.
        if (!_acting)
            _later.clear();
        refill();
    });
    refill();
}

DueTransactionsDialog::~DueTransactionsDialog() = default;

bool DueTransactionsDialog::isEmpty() const
{
    return _shown.isEmpty();
}

void DueTransactionsDialog::refill()
{
    // A day or amount typed into a line stays while the line is listed.
    QHash<std::pair<int, QDate>, std::pair<QDate, QString>> typed;
    for (int row = 0; row < _shown.size(); ++row)
        typed.insert({_shown[row].item, _shown[row].date},
                     {_lines->item(row, Day)->data(Qt::EditRole).toDate(), _lines->item(row, Amount)->text()});
    _shown.clear();
    for (const DueLine &line : _due()) {
        const auto later = _later.constFind(line.item);
        if (later == _later.cend() || line.date < *later)
            _shown.append(line);
    }
    _lines->clear();
    _lines->setHorizontalHeaderLabels({tr("Day"), tr("Description"), tr("Category"), tr("Amount")});
    for (const DueLine &line : _shown) {
        const auto kept = typed.constFind({line.item, line.date});
        auto *day = new QStandardItem;
        day->setData(kept != typed.cend() ? kept->first : line.date, Qt::EditRole);
        auto *description = new QStandardItem(line.description);
        description->setEditable(false);
        auto *category = new QStandardItem(line.category);
        category->setEditable(false);
        auto *amount = new QStandardItem(kept != typed.cend() ? kept->second : MoneyDisplay::format(line.amount));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (line.estimate)
            amount->setToolTip(tr("An estimate: type the amount the bill says"));
        _lines->appendRow({day, description, category, amount});
    }
    _ui->_lines->resizeColumnsToContents();
    for (QPushButton *button : {_ui->enterButton, _ui->skipButton, _ui->laterButton, _ui->enterAllButton,
                                _ui->skipAllButton})
        button->setEnabled(!_shown.isEmpty());
}

QList<int> DueTransactionsDialog::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : _ui->_lines->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty() && _ui->_lines->currentIndex().isValid())
        rows.append(_ui->_lines->currentIndex().row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<int> DueTransactionsDialog::allRows() const
{
    QList<int> rows;
    for (int row = 0; row < _shown.size(); ++row)
        rows.append(row);
    return rows;
}

void DueTransactionsDialog::laterSelected()
{
    for (const int row : selectedRows()) {
        const DueLine &line = _shown[row];
        if (!_later.contains(line.item) || line.date < _later[line.item])
            _later[line.item] = line.date;
    }
    refill();
    if (isEmpty())
        close();
}

void DueTransactionsDialog::act(const QList<int> &rows, bool enter)
{
    if (rows.isEmpty())
        return;
    QList<HandledOccurrence> handled;
    for (const int row : rows) {
        const DueLine &line = _shown[row];
        handled.append({line.item, line.date, enter, _lines->item(row, Day)->data(Qt::EditRole).toDate(),
                        _lines->item(row, Amount)->text()});
    }
    _acting = true;
    const EditAnswer answer = _handle(handled);
    _acting = false;
    if (answer.isRefused()) {
        _alerts.warning(answer.message);
        return;
    }
    refill();
    if (isEmpty())
        close();
}
