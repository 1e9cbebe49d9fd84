#include "YearComparisonModel.h"

#include "document/MonthDisplay.h"
#include "platform/MoneyDisplay.h"
#include "year/MoneyText.h"

#include <QLocale>

namespace {

constexpr int kFigureCount = int(YearComparison::kFigures.size());

QString figureName(YearComparison::Figure figure)
{
    switch (figure) {
    case YearComparison::Figure::ThisYear: return YearComparisonModel::tr("This year");
    case YearComparison::Figure::LastYear: return YearComparisonModel::tr("Last year");
    case YearComparison::Figure::Difference: return YearComparisonModel::tr("Difference");
    case YearComparison::Figure::Change: return YearComparisonModel::tr("Change");
    }
    return {};
}

} // namespace

void YearComparisonModel::setComparison(const YearComparison &comparison, const QDate &toDateEnd)
{
    beginResetModel();
    _comparison = comparison;
    _toDateEnd = toDateEnd;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int YearComparisonModel::comparisonRow(int tableRow) const
{
    const int row = tableRow / kFigureCount;
    return row < _comparison.rows.size() ? row : kTotalRow;
}

const YearComparison::Row &YearComparisonModel::rowAt(int tableRow) const
{
    const int row = comparisonRow(tableRow);
    return row == kTotalRow ? _comparison.total : _comparison.rows[row];
}

int YearComparisonModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(_comparison.rows.size() + 1) * kFigureCount;
}

int YearComparisonModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kFirstMonthColumn + YearComparison::kFigureColumns;
}

QString YearComparisonModel::nameCell(int tableRow) const
{
    const YearComparison::Row &row = rowAt(tableRow);
    const YearComparison::Figure figure = YearComparison::kFigures[std::size_t(tableRow % kFigureCount)];
    if (figure == YearComparison::Figure::ThisYear)
        return comparisonRow(tableRow) == kTotalRow ? tr("Total") : row.name();
    // A match by hand, or a category only last year had, says what it was called.
    if (figure == YearComparison::Figure::LastYear && !row.thisName.isEmpty() && !row.lastName.isEmpty()
        && row.lastName != row.thisName)
        return tr("last year: %1").arg(row.lastName);
    if (figure == YearComparison::Figure::LastYear && row.thisName.isEmpty() && comparisonRow(tableRow) != kTotalRow)
        return tr("only last year");
    return {};
}

QVariant YearComparisonModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column < kFirstMonthColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                          : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const YearComparison::Figure figure = YearComparison::kFigures[std::size_t(index.row() % kFigureCount)];
    if (column == 0)
        return nameCell(index.row());
    if (column == 1)
        return figureName(figure);
    const QString stored = YearComparison::figures(rowAt(index.row()), figure).at(column - kFirstMonthColumn);
    if (figure != YearComparison::Figure::Change)
        return MoneyDisplay::format(moneyText(Decimal::fromText(stored)));
    // Nothing booked last year: no change to give.
    return stored.isEmpty() ? QStringLiteral("–") : MoneyDisplay::format(stored) + QLocale().percent();
}

QVariant YearComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const int month = section - kFirstMonthColumn;
    if (section == 0)
        return tr("Category");
    if (section == 1)
        return tr("Figure");
    if (month < MonthTables::kMonthCount)
        return MonthDisplay::shortName(month);
    if (month == MonthTables::kMonthCount)
        return tr("To %1").arg(QLocale().toString(_toDateEnd, tr("d MMM", "the year to date's last day")));
    return tr("Year");
}
