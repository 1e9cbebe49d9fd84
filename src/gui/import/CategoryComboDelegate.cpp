#include "CategoryComboDelegate.h"

#include <QComboBox>
#include <QLineEdit>

CategoryComboDelegate::CategoryComboDelegate(Categories categories, Categories newNames, QObject *parent)
    : QStyledItemDelegate(parent)
    , _categories(std::move(categories))
    , _newNames(std::move(newNames))
{
}

QWidget *CategoryComboDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                             const QModelIndex &) const
{
    auto *box = new QComboBox(parent);
    box->setAccessibleName(tr("Category"));
    box->addItems(_categories());
    if (_newNames) {
        box->setToolTip(tr("Choose the line's category, or type the name of a new one that the import creates"));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        const QStringList names = _newNames();
        if (!names.isEmpty() && box->count() > 0)
            box->insertSeparator(box->count());
        for (const QString &name : names) {
            box->addItem(name);
            box->setItemData(box->count() - 1, tr("A new category, created by the import"), Qt::ToolTipRole);
        }
        connect(box->lineEdit(), &QLineEdit::returnPressed, this, [this, box] { finish(box); });
    } else {
        box->setToolTip(tr("Choose the category"));
    }
    connect(box, &QComboBox::activated, this, [this, box] { finish(box); });
    return box;
}

void CategoryComboDelegate::finish(QWidget *editor) const
{
    auto *self = const_cast<CategoryComboDelegate *>(this);
    emit self->commitData(editor);
    emit self->closeEditor(editor);
}

void CategoryComboDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    const QString category = index.data(Qt::EditRole).toString();
    box->setCurrentIndex(box->findText(category));
    if (box->isEditable())
        box->setEditText(category);
}

void CategoryComboDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const auto *box = static_cast<QComboBox *>(editor);
    const QString chosen = box->currentText().trimmed();
    if (box->isEditable() ? !chosen.isEmpty() : box->currentIndex() >= 0)
        model->setData(index, chosen, Qt::EditRole);
}
