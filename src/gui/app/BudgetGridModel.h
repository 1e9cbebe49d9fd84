#pragma once

#include <QAbstractTableModel>

class BudgetDocument;
class BudgetGridEdits;

/// The budget grid's model: a thin adapter that reads every cell from the
/// document and hands edits, drags and drops on to the grid's data source.
class BudgetGridModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    /// The private drag type of a row drag.
    static inline const QString kDragType = QStringLiteral("MyPrivateTableViewDataType");

    /// The grid's columns: the names, the twelve months, the average.
    enum class Column { Name = 0, January = 1, December = 12, Average = 13 };
    static constexpr int kColumnCount = int(Column::Average) + 1;

    BudgetGridModel(const BudgetDocument &document, BudgetGridEdits &edits, QObject *parent = nullptr);

    /// The month 0–11 a column shows, or -1 for the name and average columns.
    [[nodiscard]] static int monthOfColumn(int column);
    /// The column identifier ("desc", "jan" … "dec", "average") of a column.
    [[nodiscard]] static QString columnId(int column);
    [[nodiscard]] static int columnOf(const QString &columnId);

    [[nodiscard]] int numberOfRowsInTableView() const;
    /// The text a cell shows.
    [[nodiscard]] QString objectValueForTableColumn(const QString &columnId, int row) const;
    /// The text an edit of the cell starts from: the value as stored.
    [[nodiscard]] QString editValueForTableColumn(const QString &columnId, int row) const;
    /// The Remain and dash rows cannot be selected.
    [[nodiscard]] static bool shouldSelectRow(int row);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    [[nodiscard]] QStringList mimeTypes() const override;
    [[nodiscard]] QMimeData *mimeData(const QModelIndexList &indexes) const override;
    [[nodiscard]] Qt::DropActions supportedDragActions() const override;
    [[nodiscard]] Qt::DropActions supportedDropActions() const override;
    [[nodiscard]] bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                                       const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    /// The document's rows are about to change / have changed.
    void beginRowsChange();
    void endRowsChange();
    /// Every cell may show something new.
    void redisplay();

private:
    /// The row a drop is proposed at: between rows it is `row`, on a row it is that row.
    [[nodiscard]] int proposedRow(int row, const QModelIndex &parent) const;
    [[nodiscard]] bool isNegativeRemainder(int row, int column) const;

    const BudgetDocument &_document;
    BudgetGridEdits &_edits;
};
