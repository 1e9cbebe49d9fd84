#pragma once

#include "NoteTagCompleter.h"
#include "platform/TextCellDelegate.h"

class voCheckViewData;

/// Editors of the register table: a combo box of the budget's categories,
/// in budget order, that also takes a typed name, for the category column; line edits for the text
/// columns, the note's completing the year's tags. The reconciled column is
/// a check box of the item itself.
class voCheckViewDelegate final : public TextCellDelegate
{
    Q_OBJECT

public:
    voCheckViewDelegate(const voCheckViewData &data, NoteTagCompleter::Tags yearTags, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    void commitAndCloseEditor();
    [[nodiscard]] static bool isCategoryColumn(const QModelIndex &index);

    const voCheckViewData &_data;
    NoteTagCompleter::Tags _yearTags;
};
