#include "CategoryComboDelegate.h"

#include <QComboBox>

CategoryComboDelegate::CategoryComboDelegate(Categories categories, QObject *parent)
    : QStyledItemDelegate(parent)
    , _categories(std::move(categories))
{
}

QWidget *CategoryComboDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                             const QModelIndex &) const
{
    auto *box = new QComboBox(parent);
    box->setAccessibleName(tr("Category"));
    box->addItems(_categories());
    connect(box, &QComboBox::activated, this, [this, box] {
        emit const_cast<CategoryComboDelegate *>(this)->commitData(box);
        emit const_cast<CategoryComboDelegate *>(this)->closeEditor(box);
    });
    return box;
}

void CategoryComboDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    box->setCurrentIndex(box->findText(index.data(Qt::EditRole).toString()));
}

void CategoryComboDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const auto *box = static_cast<QComboBox *>(editor);
    if (box->currentIndex() >= 0)
        model->setData(index, box->currentText(), Qt::EditRole);
}
