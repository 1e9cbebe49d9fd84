#include "TagTotalsModel.h"

#include "document/MonthDisplay.h"
#include "platform/MoneyDisplay.h"
#include "platform/ReadableColors.h"
#include "year/MoneyText.h"

#include <QGuiApplication>
#include <QPalette>

void TagTotalsModel::setTotals(const TagTotals &totals)
{
    beginResetModel();
    _totals = totals;
    endResetModel();
}

int TagTotalsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(_totals.rows.size());
}

int TagTotalsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kYearColumn + 1;
}

Decimal TagTotalsModel::figure(const TagTotals::Row &row, int column) const
{
    return column == kYearColumn ? row.total() : row.months[std::size_t(column - kFirstMonthColumn)];
}

QVariant TagTotalsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const TagTotals::Row &row = _totals.rows[index.row()];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == 0)
            return row.tag;
        return MoneyDisplay::format(moneyText(figure(row, column)));
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (column > 0 && figure(row, column).sign() < 0)
            return ReadableColors::negativeFigure(QGuiApplication::palette().color(QPalette::Base));
        break;
    default:
        break;
    }
    return {};
}

QVariant TagTotalsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return tr("Tag");
    if (section == kYearColumn)
        return tr("Year");
    return MonthDisplay::shortName(section - kFirstMonthColumn);
}
