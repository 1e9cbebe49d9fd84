#include "CommonCategoriesDialog.h"

#include "help/HandbookPage.h"
#include "platform/ModalLoop.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

CommonCategoriesDialog::CommonCategoriesDialog(bool envelopes, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("commonCategoriesDialog"));
    setWindowTitle(tr("Start with Common Categories"));
    setAccessibleName(tr("Start with Common Categories"));
    HandbookPage::set(*this, QStringLiteral("getting-started"));
    setSizeGripEnabled(true);

    auto *about = new QLabel(envelopes ? tr("Tick the categories your household needs. An amount becomes the "
                                            "category's envelope in every month.")
                                       : tr("Tick the categories your household needs. The amounts together "
                                            "become every month's budget."),
                             this);
    about->setWordWrap(true);

    auto *lines = new QWidget(this);
    auto *grid = new QGridLayout(lines);
    grid->addWidget(new QLabel(tr("Category"), lines), 0, 0);
    grid->addWidget(new QLabel(tr("Monthly amount"), lines), 0, 1);
    const QStringList names = commonNames();
    for (int at = 0; at < names.size(); ++at) {
        const QString &name = names[at];
        auto *tick = new QCheckBox(name, lines);
        tick->setAccessibleName(name);
        tick->setToolTip(tr("Create the category %1").arg(name));
        auto *amount = new QLineEdit(lines);
        amount->setAccessibleName(tr("Monthly amount for %1").arg(name));
        amount->setToolTip(tr("What %1 may cost a month; leave it empty for nothing yet").arg(name));
        amount->setPlaceholderText(tr("optional"));
        amount->setAlignment(Qt::AlignRight);
        amount->setMaximumWidth(140);
        connect(amount, &QLineEdit::textEdited, tick, [tick](const QString &text) {
            if (!text.trimmed().isEmpty())
                tick->setChecked(true);
        });
        grid->addWidget(tick, at + 1, 0);
        grid->addWidget(amount, at + 1, 1);
        _lines.append({tick, amount});
    }
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(lines);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(tr("Create"));
    ok->setAccessibleName(tr("Create the ticked categories"));
    ok->setToolTip(tr("Create the ticked categories in one step that Undo takes back"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setAccessibleName(tr("Cancel, create nothing"));
    cancel->setToolTip(tr("Close without creating any category (Esc)"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { ModalLoop::current().stop(this); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    resize(460, 560);
}

QStringList CommonCategoriesDialog::commonNames()
{
    return {tr("Groceries"),    tr("Rent or Mortgage"), tr("Utilities"),  tr("Phone and Internet"),
            tr("Transport"),    tr("Health"),           tr("Insurance"),  tr("Clothing"),
            tr("Dining Out"),   tr("Leisure"),          tr("Children"),   tr("Household"),
            tr("Gifts"),        tr("Holidays"),         tr("Savings")};
}

QList<CategoryEdits::NewCategory> CommonCategoriesDialog::chosen() const
{
    QList<CategoryEdits::NewCategory> categories;
    for (const Line &line : _lines) {
        if (line.tick->isChecked())
            categories.append({line.tick->text(), line.amount->text().trimmed()});
    }
    return categories;
}

bool CommonCategoriesDialog::run()
{
    show();
    ModalLoop::current().run(this);
    return result() == QDialog::Accepted;
}
