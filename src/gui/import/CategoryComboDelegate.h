#pragma once

#include <QStyledItemDelegate>

#include <functional>

class Alerts;

/// Edits a category cell with a combo box of the budget's categories that
/// takes a typed name too, completing it; a choice is committed as soon as
/// it is made, a typed name on Return or Tab. Given names for new
/// categories, the box offers them after the budget's and takes any other
/// name typed in, for a category still to be created.
class CategoryComboDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using Categories = std::function<QStringList()>;

    CategoryComboDelegate(Categories categories, Categories newNames, QObject *parent = nullptr);

    /// Without names for new categories, a typed name that is no category
    /// is refused with a message through these alerts.
    void refuseOtherNamesWith(Alerts &alerts) { _alerts = &alerts; }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    void finish(QWidget *editor) const;

    Categories _categories;
    Categories _newNames;
    Alerts *_alerts = nullptr;
};
