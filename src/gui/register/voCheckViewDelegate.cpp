#include "voCheckViewDelegate.h"

#include "platform/CategoryComboBox.h"
#include "register/voCheckViewData.h"

#include <QLineEdit>

voCheckViewDelegate::voCheckViewDelegate(const voCheckViewData &data, NoteTagCompleter::Tags yearTags,
                                         QObject *parent)
    : TextCellDelegate(parent)
    , _data(data)
    , _yearTags(std::move(yearTags))
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
        if (auto *line = qobject_cast<QLineEdit *>(editor);
            line && voCheckViewData::columnIds().value(index.column()) == u"note")
            new NoteTagCompleter(*line, _yearTags);
        return editor;
    }
    auto *combo = new CategoryComboBox(_data.categoryList(), parent);
    combo->setAccessibleName(tr("Choose category"));
    // A choice is the whole edit: commit it at once.
    connect(combo, &QComboBox::activated, this, &voCheckViewDelegate::commitAndCloseEditor);
    connect(combo->lineEdit(), &QLineEdit::returnPressed, this, &voCheckViewDelegate::commitAndCloseEditor);
    return combo;
}

void voCheckViewDelegate::commitAndCloseEditor()
{
    auto *editor = qobject_cast<QWidget *>(sender());
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        editor = line->parentWidget();
    emit commitData(editor);
    emit closeEditor(editor);
}

void voCheckViewDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<CategoryComboBox *>(editor); combo && isCategoryColumn(index)) {
        combo->setName(index.data(Qt::EditRole).toString());
        return;
    }
    TextCellDelegate::setEditorData(editor, index);
}

void voCheckViewDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<CategoryComboBox *>(editor); combo && isCategoryColumn(index)) {
        // A name that is no category goes to the model, which refuses it and says why.
        const QString listed = combo->listedName();
        if (!combo->typedName().isEmpty())
            model->setData(index, listed.isEmpty() ? combo->typedName() : listed);
        return;
    }
    TextCellDelegate::setModelData(editor, model, index);
}

void voCheckViewDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    TextCellDelegate::initStyleOption(option, index);
    if (voCheckViewData::columnIds().value(index.column()) == u"desc"
        && index.data(voCheckViewData::kRecurringRole).toBool())
        option->text = QStringLiteral("\u21bb ") + option->text;
}
