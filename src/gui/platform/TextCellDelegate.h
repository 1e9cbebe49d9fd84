#pragma once

#include <QStyledItemDelegate>

/// The delegate of every table cell the user types into. Its line editors
/// take text of any length: a QLineEdit keeps only 32,767 characters by
/// default and would cut a longer paste without a word, before any check of
/// the program could see what was pasted.
class TextCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};
