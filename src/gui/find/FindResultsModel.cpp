#include "FindResultsModel.h"

#include "document/MonthDisplay.h"
#include "platform/ReadableColors.h"
#include "year/MoneyText.h"
#include "year/TransactionQuery.h"

#include <QGuiApplication>
#include <QPalette>

FindResultsModel::FindResultsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void FindResultsModel::rebuild(const DocumentSnapshot &snapshot)
{
    beginResetModel();
    _search.rebuild(snapshot);
    _result = {};
    endResetModel();
}

void FindResultsModel::search(const TransactionQuery &query)
{
    beginResetModel();
    _result = _search.find(query);
    endResetModel();
}

int FindResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(_result.rows.size());
}

int FindResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(Column::Count);
}

QVariant FindResultsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FoundTransaction &found = transaction(index.row());
    const auto column = Column(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (column) {
        case Column::Month:
            return MonthDisplay::name(found.month);
        case Column::Day:
            return found.entry.day;
        case Column::Description:
            return found.entry.desc;
        case Column::Category:
            return found.category;
        case Column::Amount:
            return moneyText(found.amount);
        case Column::Split:
            return found.split;
        case Column::Count:
            break;
        }
        break;
    case Qt::TextAlignmentRole:
        if (column == Column::Day || column == Column::Amount)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Qt::ForegroundRole:
        if (column == Column::Amount && found.amount.sign() < 0)
            return ReadableColors::negativeFigure(QGuiApplication::palette().color(QPalette::Base));
        break;
    case Qt::ToolTipRole:
        if (!found.entry.note.isEmpty())
            return found.entry.note;
        break;
    default:
        break;
    }
    return {};
}

QVariant FindResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (Column(section)) {
    case Column::Month:
        return tr("Month");
    case Column::Day:
        return tr("Day");
    case Column::Description:
        return tr("Description");
    case Column::Category:
        return tr("Category");
    case Column::Amount:
        return tr("Amount");
    case Column::Split:
        return tr("Split");
    case Column::Count:
        break;
    }
    return {};
}
