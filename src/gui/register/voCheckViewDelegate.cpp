#include "voCheckViewDelegate.h"

#include "register/voCheckViewData.h"

#include <QComboBox>

voCheckViewDelegate::voCheckViewDelegate(const voCheckViewData &data, QObject *parent)
    : TextCellDelegate(parent)
    , _data(data)
{
}

bool voCheckViewDelegate::isCategoryColumn(const QModelIndex &index)
{
    return voCheckViewData::columnIds().value(index.column()) == u"category";
}

QWidget *voCheckViewDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                           const QModelIndex &index) const
{
    const QString title = index.model()->headerData(index.column(), Qt::Horizontal, Qt::ToolTipRole).toString();
    if (!isCategoryColumn(index)) {
        QWidget *editor = TextCellDelegate::createEditor(parent, option, index);
        editor->setAccessibleName(tr("Edit %1").arg(title));
        return editor;
    }
    auto *combo = new QComboBox(parent);
    combo->setAccessibleName(tr("Choose category"));
    combo->addItems(_data.categoryList());
    combo->setMaxVisibleItems(qMax(1, combo->count()));
    // A choice is the whole edit: commit it at once.
    connect(combo, &QComboBox::activated, this, &voCheckViewDelegate::commitAndCloseEditor);
    return combo;
}

void voCheckViewDelegate::commitAndCloseEditor()
{
    auto *editor = qobject_cast<QWidget *>(sender());
    emit commitData(editor);
    emit closeEditor(editor);
}

void voCheckViewDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor); combo && isCategoryColumn(index)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString()));
        return;
    }
    TextCellDelegate::setEditorData(editor, index);
}

void voCheckViewDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor); combo && isCategoryColumn(index)) {
        model->setData(index, combo->currentText());
        return;
    }
    TextCellDelegate::setModelData(editor, model, index);
}

void voCheckViewDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    TextCellDelegate::initStyleOption(option, index);
    if (voCheckViewData::columnIds().value(index.column()) == u"desc"
        && !index.data(Qt::AccessibleDescriptionRole).toString().isEmpty())
        option->text = QStringLiteral("\u21bb ") + option->text;
}
