#include "CarryModeDelegate.h"

#include "register/voEnvelopeWinData.h"

#include <QComboBox>

#include <algorithm>

QWidget *CarryModeDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *choice = new QComboBox(parent);
    choice->setAccessibleName(tr("What the envelope carries"));
    choice->setToolTip(tr("What the envelope hands on to the next month"));
    for (const auto &[mode, word] : voEnvelopeWinData::carryChoices())
        choice->addItem(word, int(mode));
    // A choice is made at once, as a pop-up menu does.
    auto *self = const_cast<CarryModeDelegate *>(this);
    connect(choice, &QComboBox::activated, self, [self, choice] { emit self->commitData(choice); });
    return choice;
}

void CarryModeDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *choice = static_cast<QComboBox *>(editor);
    choice->setCurrentIndex(std::max(0, choice->findData(index.data(Qt::EditRole).toInt())));
}

void CarryModeDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const auto *choice = static_cast<QComboBox *>(editor);
    model->setData(index, QString::number(choice->currentData().toInt()), Qt::EditRole);
}
