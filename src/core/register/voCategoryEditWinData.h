#pragma once

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QStringList>

class BudgetDocument;
class DocumentEditing;

/// The category editor's list: the budget's category names in budget order.
/// Row i is the category at row i + 3 of the budget; every change reaches
/// the document at once, and names stay unique.
///
/// The table's selection lives in selectionModel(), which the editor's table
/// shares.
class voCategoryEditWinData final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(voCategoryEditWinData)

public:
    explicit voCategoryEditWinData(DocumentEditing &edits, QObject *parent = nullptr);

    [[nodiscard]] QItemSelectionModel *selectionModel() { return &_selection; }

    /// Builds the list from the budget's categories.
    void initData();
    [[nodiscard]] int numberOfRowsInTableView() const { return int(_categoryList.size()); }
    /// The name at the row; the list has the one column 0.
    [[nodiscard]] QString objectValueForTableColumn(int column, int row) const;
    /// Renames the category at the row. An empty or unchanged name changes
    /// nothing; a name that another category has, or that the data file
    /// cannot hold, is refused (false) with its message in editRefused.
    bool setObjectValue(const QString &value, int column, int row);
    /// Appends a category with a free name ("New Category", "New Category 2",
    /// …) and asks the table to edit its name.
    void addCategory();
    /// The selected category's row, or -1.
    [[nodiscard]] int selectedRow() const;
    /// Deletes the category at the row and all its data.
    void delCategory(int row);

    [[nodiscard]] const QStringList &categoryList() const { return _categoryList; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

signals:
    /// The table should start editing this name with its text selected.
    void editRequested(const QModelIndex &index);
    /// A typed name was refused, for the reason given.
    void editRefused(const QString &message);

private:
    QItemSelectionModel _selection{this};
    DocumentEditing &_edits;
    BudgetDocument &_document;
    QStringList _categoryList;
};
