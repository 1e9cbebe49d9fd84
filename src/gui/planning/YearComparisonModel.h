#pragma once

#include "year/YearComparison.h"

#include <QAbstractTableModel>
#include <QDate>

/// This year against last as a table: per category four lines (this year,
/// last year, the difference, the change in percent), the totals last; the
/// columns are the category, the figure, January to December, the year to
/// date and the year. The window and its PDF show it.
class YearComparisonModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    /// The comparison row a table row shows, for the total.
    static constexpr int kTotalRow = -1;
    static constexpr int kFirstMonthColumn = 2;

    using QAbstractTableModel::QAbstractTableModel;

    /// Shows the comparison, its year to date counted up to `toDateEnd`.
    void setComparison(const YearComparison &comparison, const QDate &toDateEnd);
    [[nodiscard]] const YearComparison &comparison() const { return _comparison; }
    /// The index into comparison().rows a table row shows, or kTotalRow.
    [[nodiscard]] int comparisonRow(int tableRow) const;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    [[nodiscard]] const YearComparison::Row &rowAt(int tableRow) const;
    [[nodiscard]] QString nameCell(int tableRow) const;

    YearComparison _comparison;
    QDate _toDateEnd;
};
