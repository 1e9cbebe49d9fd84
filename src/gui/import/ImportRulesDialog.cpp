#include "ImportRulesDialog.h"

#include "help/HandbookPage.h"
#include "CategoryComboDelegate.h"
#include "ui_ImportRules.h"

#include "platform/ModalLoop.h"
#include "register/ItemEditing.h"

#include <QPushButton>

namespace {

constexpr int kTextColumn = 0;
constexpr int kCategoryColumn = 1;

} // namespace

ImportRulesDialog::ImportRulesDialog(const QList<CategoryRule> &rules, const QStringList &categories, Alerts &alerts,
                                     QWidget *parent)
    : QDialog(parent)
    , _ui(std::make_unique<Ui::ImportRules>())
    , _categories(categories)
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("importing"));
    _ui->buttonBox->button(QDialogButtonBox::Ok)->setToolTip(tr("Keep the rules as they stand now"));
    _ui->buttonBox->button(QDialogButtonBox::Cancel)->setToolTip(tr("Close and keep the rules as they were (Esc)"));
    auto *categoryCells = new CategoryComboDelegate([this] { return _categories; }, {}, this);
    categoryCells->refuseOtherNamesWith(alerts);
    _ui->rulesTable->setItemDelegateForColumn(kCategoryColumn, categoryCells);
    for (const CategoryRule &rule : rules)
        insertRule(_ui->rulesTable->rowCount(), rule);
    connect(_ui->addButton, &QPushButton::clicked, this, &ImportRulesDialog::addRule);
    connect(_ui->removeButton, &QPushButton::clicked, this, &ImportRulesDialog::removeRule);
    connect(_ui->upButton, &QPushButton::clicked, this, [this] { moveRule(-1); });
    connect(_ui->downButton, &QPushButton::clicked, this, [this] { moveRule(1); });
    connect(_ui->buttonBox, &QDialogButtonBox::accepted, this, [this] {
        finishEditing(*_ui->rulesTable);
        accept();
    });
    connect(_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { ModalLoop::current().stop(this); });
}

ImportRulesDialog::~ImportRulesDialog() = default;

void ImportRulesDialog::startWithRule(const CategoryRule &rule)
{
    insertRule(0, rule);
    QTableWidget &table = *_ui->rulesTable;
    table.setCurrentCell(0, kTextColumn);
    table.editItem(table.item(0, kTextColumn));
}

QList<CategoryRule> ImportRulesDialog::rules() const
{
    QList<CategoryRule> rules;
    const QTableWidget &table = *_ui->rulesTable;
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString text = table.item(row, kTextColumn)->text().simplified();
        if (!text.isEmpty())
            rules.append({text, table.item(row, kCategoryColumn)->text()});
    }
    return rules;
}

bool ImportRulesDialog::run()
{
    show();
    ModalLoop::current().run(this);
    return result() == QDialog::Accepted;
}

void ImportRulesDialog::insertRule(int row, const CategoryRule &rule)
{
    QTableWidget &table = *_ui->rulesTable;
    table.insertRow(row);
    table.setItem(row, kTextColumn, new QTableWidgetItem(rule.contains));
    table.setItem(row, kCategoryColumn, new QTableWidgetItem(rule.category));
}

void ImportRulesDialog::addRule()
{
    const int row = _ui->rulesTable->rowCount();
    insertRule(row, {QString(), _categories.value(0)});
    _ui->rulesTable->setCurrentCell(row, kTextColumn);
    _ui->rulesTable->editItem(_ui->rulesTable->item(row, kTextColumn));
}

void ImportRulesDialog::removeRule()
{
    const int row = _ui->rulesTable->currentRow();
    if (row >= 0)
        _ui->rulesTable->removeRow(row);
}

void ImportRulesDialog::moveRule(int step)
{
    QTableWidget &table = *_ui->rulesTable;
    const int row = table.currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= table.rowCount())
        return;
    for (const int column : {kTextColumn, kCategoryColumn}) {
        QTableWidgetItem *moving = table.takeItem(row, column);
        table.setItem(row, column, table.takeItem(to, column));
        table.setItem(to, column, moving);
    }
    table.setCurrentCell(to, table.currentColumn());
}
