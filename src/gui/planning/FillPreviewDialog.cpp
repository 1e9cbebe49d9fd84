#include "FillPreviewDialog.h"

#include "ui_FillPreview.h"

#include "document/MonthDisplay.h"
#include "platform/ModalLoop.h"
#include "platform/MoneyDisplay.h"

#include <QPushButton>
#include <QStandardItemModel>

FillPreviewDialog::FillPreviewDialog(const QString &title, const BudgetFill::Preview &preview, QWidget *parent)
    : QDialog(parent)
    , _ui(std::make_unique<Ui::FillPreview>())
    , _cells(new QStandardItemModel(this))
{
    _ui->setupUi(this);
    setWindowTitle(title);
    _ui->ruleLabel->setText(preview.rule);
    _ui->noteLabel->setText(preview.note);
    _ui->noteLabel->setVisible(!preview.note.isEmpty());
    _cells->setHorizontalHeaderLabels({tr("Month"), tr("Now"), tr("After the Fill")});
    for (const FilledAmount &amount : preview.amounts) {
        QList<QStandardItem *> row{new QStandardItem(MonthDisplay::name(amount.month)),
                                   new QStandardItem(MoneyDisplay::format(amount.before)),
                                   new QStandardItem(MoneyDisplay::format(amount.after))};
        row[1]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row[2]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        _cells->appendRow(row);
    }
    _ui->_cells->setModel(_cells);
    QPushButton *fill = _ui->buttons->button(QDialogButtonBox::Ok);
    fill->setText(preview.amounts.size() == 1 ? tr("Fill 1 Month") : tr("Fill %1 Months").arg(preview.amounts.size()));
    fill->setObjectName(QStringLiteral("fillButton"));
    fill->setAccessibleName(tr("Fill the months as shown"));
    fill->setToolTip(tr("Changes the amounts as shown, in one step that Undo takes back"));
    fill->setEnabled(!preview.amounts.isEmpty());
    fill->setDefault(!preview.amounts.isEmpty());
    QPushButton *cancel = _ui->buttons->button(QDialogButtonBox::Cancel);
    cancel->setAccessibleName(tr("Cancel the fill"));
    cancel->setToolTip(tr("Closes the preview and changes nothing"));
    connect(_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { ModalLoop::current().stop(this); });
}

FillPreviewDialog::~FillPreviewDialog() = default;

bool FillPreviewDialog::confirm(const QString &title, const BudgetFill::Preview &preview, QWidget *parent)
{
    FillPreviewDialog dialog(title, preview, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ModalLoop::current().run(&dialog);
    return dialog.result() == QDialog::Accepted;
}
