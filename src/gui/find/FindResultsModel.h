#pragma once

#include "year/TransactionSearch.h"

#include <QAbstractTableModel>

class TransactionQuery;

/// The transactions Find found, one row each: month, day, description,
/// category and amount. The texts are made only for the rows shown, so a
/// query that finds most of a large year costs no more than the search.
class FindResultsModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindResultsModel)

public:
    enum class Column { Month, Day, Description, Category, Amount, Split, Count };

    explicit FindResultsModel(QObject *parent = nullptr);

    /// Indexes the year anew; the rows found are searched again.
    void rebuild(const DocumentSnapshot &snapshot);
    /// Lists what the query finds.
    void search(const TransactionQuery &query);

    [[nodiscard]] const FoundTransaction &transaction(int row) const { return _search.at(_result.rows.at(row)); }
    [[nodiscard]] const Decimal &total() const { return _result.total; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    TransactionSearch _search;
    TransactionSearch::Result _result;
};
