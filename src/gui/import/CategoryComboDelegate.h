#pragma once

#include <QStyledItemDelegate>

#include <functional>

/// Edits a category cell with a combo box of the budget's categories; a
/// choice is committed as soon as it is made.
class CategoryComboDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using Categories = std::function<QStringList()>;

    explicit CategoryComboDelegate(Categories categories, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    Categories _categories;
};
