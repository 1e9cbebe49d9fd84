#pragma once

#include "tags/TagTotals.h"

#include <QAbstractTableModel>

/// What was booked per tag as a table: one row per tag, the columns the
/// tag, January to December and the year. The Tags window and its PDF show it.
class TagTotalsModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kFirstMonthColumn = 1;
    static constexpr int kYearColumn = kFirstMonthColumn + MonthTables::kMonthCount;

    using QAbstractTableModel::QAbstractTableModel;

    void setTotals(const TagTotals &totals);
    [[nodiscard]] const TagTotals &totals() const { return _totals; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    [[nodiscard]] Decimal figure(const TagTotals::Row &row, int column) const;

    TagTotals _totals;
};
