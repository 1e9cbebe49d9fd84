#include "CategoryComboDelegate.h"

#include "platform/Alerts.h"
#include "platform/CategoryComboBox.h"

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
    auto *box = new CategoryComboBox(_categories(), parent);
    box->setAccessibleName(tr("Category"));
    if (_newNames) {
        box->setToolTip(tr("Choose or type the line's category, or type the name of a new one that the import "
                           "creates"));
        const QStringList names = _newNames();
        if (!names.isEmpty() && box->count() > 0)
            box->insertSeparator(box->count());
        for (const QString &name : names) {
            box->addItem(name);
            box->setItemData(box->count() - 1, tr("A new category, created by the import"), Qt::ToolTipRole);
        }
        box->setMaxVisibleItems(box->count());
    } else {
        box->setToolTip(tr("Choose or type the category"));
    }
    connect(box->lineEdit(), &QLineEdit::returnPressed, this, [this, box] { finish(box); });
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
    static_cast<CategoryComboBox *>(editor)->setName(index.data(Qt::EditRole).toString());
}

void CategoryComboDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const auto *box = static_cast<CategoryComboBox *>(editor);
    // A listed name in any letter case is that category, never a second one
    // that differs only in case; another name is a new category where new
    // ones may be made, and is refused elsewhere.
    const QString listed = box->listedName();
    if (!listed.isEmpty())
        model->setData(index, listed, Qt::EditRole);
    else if (_newNames && !box->typedName().isEmpty())
        model->setData(index, box->typedName(), Qt::EditRole);
    else if (_alerts && !box->typedName().isEmpty())
        _alerts->warning(tr("\"%1\" is not a category of this budget. Choose one of its categories.")
                             .arg(box->typedName()));
}
