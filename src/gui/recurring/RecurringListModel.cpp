#include "RecurringListModel.h"

#include "document/BudgetDocument.h"
#include "platform/MoneyDisplay.h"
#include "platform/ReadableColors.h"
#include "recurring/RecurrencePattern.h"

#include <QLocale>
#include <QPalette>

RecurringListModel::RecurringListModel(const BudgetDocument &document, QObject *parent)
    : QAbstractTableModel(parent)
    , _document(document)
{
    reload();
    connect(&document, &BudgetDocument::extensionsChanged, this, &RecurringListModel::reload);
    connect(&document, &BudgetDocument::rowsChanged, this, &RecurringListModel::reload);
}

void RecurringListModel::reload()
{
    beginResetModel();
    _items = RecurringRecords::read(_document);
    endResetModel();
}

int RecurringListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(_items.size());
}

int RecurringListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString RecurringListModel::text(const RecurringItem &item, int column) const
{
    if (!item.transaction) {
        if (column == Description)
            return item.record.field(RecurringField::Description);
        if (column == Rule)
            return tr("Broken: %1").arg(item.problem);
        return {};
    }
    const RecurringTransaction &transaction = *item.transaction;
    const RecurrenceRule &rule = transaction.rule;
    const QLocale locale;
    switch (column) {
    case Description:
        return transaction.description;
    case Category:
        return transaction.category;
    case Amount: {
        const QString amount = MoneyDisplay::format(transaction.amount);
        return transaction.estimate ? tr("about %1").arg(amount) : amount;
    }
    case Rule:
        return RecurrencePattern::describe(rule.text(), rule.start());
    case Next: {
        const QDate after = transaction.last.isValid() ? transaction.last : rule.start().addDays(-1);
        const auto next = rule.firstAfter(after);
        return next ? locale.toString(next->first.date, QLocale::ShortFormat) : tr("ended");
    }
    case End:
        if (rule.count() > 0)
            return tr("after %1 times").arg(rule.count());
        if (rule.until().isValid())
            return tr("on %1").arg(locale.toString(rule.until(), QLocale::ShortFormat));
        return tr("never");
    case Entry:
        return transaction.asks() ? tr("asks first") : tr("by itself");
    }
    return {};
}

QVariant RecurringListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const RecurringItem &item = _items[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return text(item, index.column());
    case Qt::ToolTipRole:
        return item.isBroken() ? tr("This record cannot be read and enters nothing: %1").arg(item.problem)
                               : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == Amount ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ForegroundRole:
        return item.isBroken() && index.column() == Rule ? QVariant(ReadableColors::negativeFigure(QPalette().color(QPalette::Base))) : QVariant();
    default:
        return {};
    }
}

QVariant RecurringListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Description: return tr("Description");
    case Category: return tr("Category");
    case Amount: return tr("Amount");
    case Rule: return tr("Repeats");
    case Next: return tr("Next");
    case End: return tr("Ends");
    case Entry: return tr("Enters");
    }
    return {};
}
