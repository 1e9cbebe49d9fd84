#pragma once

#include "recurring/RecurringRecords.h"

#include <QAbstractTableModel>

class BudgetDocument;

/// The recurring transactions of the document as the list shows them: one
/// row each, broken ones with the reason; read again whenever the
/// document's extension records change.
class RecurringListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Description, Category, Amount, Rule, Next, End, Entry, ColumnCount };

    explicit RecurringListModel(const BudgetDocument &document, QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    [[nodiscard]] const QList<RecurringItem> &items() const { return _items; }
    /// Reads the list again from the document.
    void reload();

private:
    [[nodiscard]] QString text(const RecurringItem &item, int column) const;

    const BudgetDocument &_document;
    QList<RecurringItem> _items;
};
