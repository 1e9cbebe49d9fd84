#include "ImportPreviewDialog.h"

#include "help/HandbookPage.h"
#include "CategoryComboDelegate.h"
#include "ImportPreviewModel.h"
#include "ImportRulesDialog.h"
#include "ui_ImportPreview.h"

#include "document/Decimal.h"
#include "import/CsvStatement.h"
#include "import/ImportSettings.h"
#include "platform/Alerts.h"
#include "platform/ModalLoop.h"
#include "splits/SplitEditorDialog.h"
#include "welcome/CommonCategoriesDialog.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>

namespace {

using Column = ImportPreviewModel::Column;

/// What the user's edits are kept under across replans: the line of the
/// file, which stays when a column or the year changes.
int lineKey(const PlannedLine &line, int row)
{
    return line.source.line > 0 ? line.source.line : -(row + 1);
}

QString formatName(StatementFormat format)
{
    switch (format) {
    case StatementFormat::Ofx:
        return QStringLiteral("OFX");
    case StatementFormat::Qif:
        return QStringLiteral("QIF");
    case StatementFormat::Csv:
        return QStringLiteral("CSV");
    }
    return {};
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(StatementSource source, const BudgetDocument &document,
                                         ImportSettings &settings, Alerts &alerts, const QString &dataFile,
                                         QWidget *parent)
    : QDialog(parent)
    , _ui(std::make_unique<Ui::ImportPreview>())
    , _source(std::move(source))
    , _document(document)
    , _settings(settings)
    , _alerts(alerts)
    , _dataFile(dataFile)
    , _model(new ImportPreviewModel(this))
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("importing"));
    _ui->buttonBox->button(QDialogButtonBox::Ok)->setToolTip(
        tr("Add the ticked lines to the registers, in one step that Undo takes back"));
    _ui->buttonBox->button(QDialogButtonBox::Cancel)->setToolTip(tr("Close and import nothing (Esc)"));
    QTableView &table = *_ui->previewTable;
    table.setModel(_model);
    table.setItemDelegateForColumn(int(Column::Category),
                                   new CategoryComboDelegate([this] { return plan().categories(); },
                                                             [this] { return commonNamesLeft(); }, this));
    QHeaderView &header = *table.horizontalHeader();
    header.setStretchLastSection(false);
    header.setSectionResizeMode(int(Column::Description), QHeaderView::Stretch);
    const QFontMetrics metrics(table.font());
    header.resizeSection(int(Column::Tick), metrics.horizontalAdvance(tr("Import")) + 24);
    header.resizeSection(int(Column::Date), metrics.horizontalAdvance(QStringLiteral("0000-00-00")) + 24);
    header.resizeSection(int(Column::Amount), metrics.horizontalAdvance(QStringLiteral("-000,000.00")) + 24);
    header.resizeSection(int(Column::Category), metrics.horizontalAdvance(QStringLiteral("M")) * 14);
    header.resizeSection(int(Column::State), metrics.horizontalAdvance(ImportPlan::stateName(LineState::NeedsCategory)) + 24);

    const QFileInfo file(_source.path());
    QString about = tr("%1 (%2)").arg(file.fileName(), formatName(_source.format()));
    const bool csv = _source.format() == StatementFormat::Csv;
    if (csv) {
        const CsvTable &csvTable = _source.csvTable();
        const QString delimiter = csvTable.delimiter() == u'\t' ? tr("tab") : QString(csvTable.delimiter());
        about = tr("%1 (CSV, separated by %2, %3)").arg(file.fileName(), delimiter, csvTable.encoding());
        _choices.csv = _settings.csvMapping(CsvStatement::layoutKey(csvTable)).value_or(CsvStatement::guess(csvTable));
        _choices.dateOrder = _choices.csv.dateOrder;
        fillColumnBoxes();
    }
    _ui->statementLabel->setText(about);
    _ui->csvGroup->setVisible(csv);
    _ui->dateOrderBox->addItem(tr("Month first (12/31)"), int(DateOrder::MonthFirst));
    _ui->dateOrderBox->addItem(tr("Day first (31/12)"), int(DateOrder::DayFirst));

    _read = _source.read(_choices);
    if (_read.ok() && _read.dateOrderOpen) {
        const Alerts::Button answer = alerts.show(
            {Alerts::Kind::Question, tr("Date Order"),
             tr("The dates of \"%1\" read alike month first and day first: 04/05 could be 4 May or 5 April. In "
                "which order does the bank write them?")
                 .arg(file.fileName()),
             {{Alerts::Button::Action, tr("Month First")}, {Alerts::Button::OtherAction, tr("Day First")}},
             Alerts::Button::Action});
        _choices.dateOrder = answer == Alerts::Button::OtherAction ? DateOrder::DayFirst : DateOrder::MonthFirst;
        _read = _source.read(_choices);
    }
    const int year = ImportPlan::startingYear(_read.lines, _settings.yearOf(_document, _dataFile));
    _ui->yearBox->setValue(year);
    showChoices();
    replan();

    connect(_ui->yearBox, &QSpinBox::valueChanged, this, &ImportPreviewDialog::replan);
    connect(_ui->dateOrderBox, &QComboBox::activated, this, &ImportPreviewDialog::readChoices);
    for (QComboBox *box : columnBoxes())
        connect(box, &QComboBox::activated, this, &ImportPreviewDialog::readChoices);
    connect(_ui->headerCheck, &QCheckBox::clicked, this, &ImportPreviewDialog::readChoices);
    connect(_ui->decimalCommaCheck, &QCheckBox::clicked, this, &ImportPreviewDialog::readChoices);
    connect(_model, &ImportPreviewModel::lineEdited, this, [this](int row) {
        const PlannedLine &line = plan().lines()[row];
        _ticks.insert(lineKey(line, row), line.ticked);
        if (line.categorySource == CategorySource::Chosen)
            _chosen.insert(lineKey(line, row), line.category);
        _added = plan().addedCategories();
        updateSummary();
    });
    connect(table.selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ImportPreviewDialog::updateSummary);
    connect(_ui->rulesButton, &QPushButton::clicked, this, &ImportPreviewDialog::editRules);
    connect(_ui->saveRuleButton, &QPushButton::clicked, this, &ImportPreviewDialog::saveAsRule);
    connect(_ui->splitButton, &QPushButton::clicked, this, &ImportPreviewDialog::splitLine);
    connect(_ui->buttonBox, &QDialogButtonBox::accepted, this, &ImportPreviewDialog::importAccepted);
    connect(_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { ModalLoop::current().stop(this); });
}

ImportPreviewDialog::~ImportPreviewDialog() = default;

const ImportPlan &ImportPreviewDialog::plan() const
{
    return _model->plan();
}

bool ImportPreviewDialog::run()
{
    show();
    ModalLoop::current().run(this);
    return result() == QDialog::Accepted;
}

QList<QComboBox *> ImportPreviewDialog::columnBoxes() const
{
    return {_ui->dateColumn,   _ui->descriptionColumn, _ui->memoColumn,
            _ui->amountColumn, _ui->debitColumn,       _ui->creditColumn};
}

void ImportPreviewDialog::fillColumnBoxes()
{
    const CsvTable &table = _source.csvTable();
    const QStringList first = table.rows().isEmpty() ? QStringList() : table.rows().first().cells;
    for (QComboBox *box : columnBoxes()) {
        box->clear();
        box->addItem(tr("(none)"), CsvMapping::kNone);
        for (int column = 0; column < table.columnCount(); ++column) {
            const QString name = _choices.csv.hasHeader ? first.value(column) : tr("Column %1").arg(column + 1);
            box->addItem(tr("%1: %2").arg(column + 1).arg(name), column);
        }
    }
}

void ImportPreviewDialog::showChoices()
{
    const CsvMapping &csv = _choices.csv;
    const QList<int> columns{csv.date, csv.description, csv.memo, csv.amount, csv.debit, csv.credit};
    const QList<QComboBox *> boxes = columnBoxes();
    for (qsizetype i = 0; i < boxes.size(); ++i)
        boxes[i]->setCurrentIndex(boxes[i]->findData(columns[i]));
    _ui->headerCheck->setChecked(csv.hasHeader);
    _ui->decimalCommaCheck->setChecked(csv.decimalComma);
    _ui->dateOrderBox->setCurrentIndex(_ui->dateOrderBox->findData(int(_choices.dateOrder.value_or(_read.dateOrder))));
}

void ImportPreviewDialog::readChoices()
{
    CsvMapping &csv = _choices.csv;
    const bool headerChanged = csv.hasHeader != _ui->headerCheck->isChecked();
    csv.date = _ui->dateColumn->currentData().toInt();
    csv.description = _ui->descriptionColumn->currentData().toInt();
    csv.memo = _ui->memoColumn->currentData().toInt();
    csv.amount = _ui->amountColumn->currentData().toInt();
    csv.debit = _ui->debitColumn->currentData().toInt();
    csv.credit = _ui->creditColumn->currentData().toInt();
    csv.hasHeader = _ui->headerCheck->isChecked();
    csv.decimalComma = _ui->decimalCommaCheck->isChecked();
    const auto order = DateOrder(_ui->dateOrderBox->currentData().toInt());
    if (order != _read.dateOrder || _choices.dateOrder)
        _choices.dateOrder = order;
    if (headerChanged && _source.format() == StatementFormat::Csv) {
        fillColumnBoxes();
        showChoices();
    }
    replan();
}

void ImportPreviewDialog::replan()
{
    _read = _source.read(_choices);
    ImportPlan plan = _read.ok() ? ImportPlan(_document, _read.lines, _ui->yearBox->value(), _settings.rules())
                                 : ImportPlan();
    for (const QString &name : std::as_const(_added))
        (void)plan.addCategory(name);
    for (int row = 0; row < plan.lines().size(); ++row) {
        const int key = lineKey(plan.lines()[row], row);
        if (const auto chosen = _chosen.constFind(key); chosen != _chosen.cend())
            plan.setCategory(row, *chosen);
        if (const auto parts = _splits.constFind(key); parts != _splits.cend())
            (void)plan.setParts(row, *parts);
        if (const auto tick = _ticks.constFind(key); tick != _ticks.cend())
            plan.setTicked(row, *tick);
    }
    _model->setPlan(std::move(plan));
    updateSummary();
}

QStringList ImportPreviewDialog::commonNamesLeft() const
{
    QStringList names = CommonCategoriesDialog::commonNames();
    names.removeIf([this](const QString &name) { return plan().categories().contains(name); });
    return names;
}

void ImportPreviewDialog::updateSummary()
{
    const ImportPlan &current = plan();
    const int ticked = current.tickedCount();
    QPushButton *importButton = _ui->buttonBox->button(QDialogButtonBox::Ok);
    importButton->setText(ticked == 1 ? tr("Import 1 Transaction") : tr("Import %1 Transactions").arg(ticked));
    importButton->setEnabled(_read.ok() && ticked > 0);
    // Shown only where the order changes what the dates say.
    const bool matters = _read.dateOrderMatters || _choices.dateOrder.has_value();
    _ui->dateOrderLabel->setVisible(matters);
    _ui->dateOrderBox->setVisible(matters);
    const bool open = _read.ok() && _read.dateOrderOpen;
    _ui->dateOrderNote->setText(open ? tr("Every date reads alike either way: check them.") : QString());

    const QModelIndex currentRow = _ui->previewTable->currentIndex();
    const PlannedLine *selected = currentRow.isValid() && currentRow.row() < current.lines().size()
        ? &current.lines()[currentRow.row()]
        : nullptr;
    _ui->saveRuleButton->setEnabled(selected && !selected->isSplit() && !selected->category.isEmpty());
    _ui->splitButton->setEnabled(selected && selected->month >= 0);
    if (!_read.ok()) {
        _ui->summaryLabel->setText(_source.failureMessage(_read));
        return;
    }
    _ui->summaryLabel->setText(
        tr("%1 lines. New: %2, duplicates: %3, other years: %4, needing a category: %5, credits: %6. Ticked: %7.")
            .arg(current.lines().size())
            .arg(current.count(LineState::New))
            .arg(current.count(LineState::Duplicate))
            .arg(current.count(LineState::OtherYear))
            .arg(current.count(LineState::NeedsCategory))
            .arg(current.count(LineState::Credit))
            .arg(ticked));
    if (const QStringList created = current.newCategories(); !created.isEmpty())
        _ui->summaryLabel->setText(_ui->summaryLabel->text() + u' '
                                   + tr("New categories the import creates: %1.").arg(created.join(QStringLiteral(", "))));
}

void ImportPreviewDialog::editRules()
{
    ImportRulesDialog rules(_settings.rules(), plan().categories(), _alerts, this);
    if (!rules.run())
        return;
    _settings.setRules(rules.rules());
    replan();
}

void ImportPreviewDialog::saveAsRule()
{
    const QModelIndex current = _ui->previewTable->currentIndex();
    if (!current.isValid() || current.row() >= plan().lines().size())
        return;
    const PlannedLine &line = plan().lines()[current.row()];
    if (line.category.isEmpty())
        return;
    ImportRulesDialog rules(_settings.rules(), plan().categories(), _alerts, this);
    rules.startWithRule({line.description, line.category});
    if (!rules.run())
        return;
    _settings.setRules(rules.rules());
    replan();
}

void ImportPreviewDialog::splitLine()
{
    const QModelIndex current = _ui->previewTable->currentIndex();
    if (!current.isValid() || current.row() >= plan().lines().size() || plan().lines()[current.row()].month < 0)
        return;
    const int row = current.row();
    const PlannedLine &line = plan().lines()[row];
    const SplitEditorDialog::Whole whole{QString::number(line.source.date.day()), line.description,
                                         Decimal::fromText(line.amount)};
    QList<SplitPart> parts;
    for (const PlannedPart &part : line.parts)
        parts.append({part.category, part.amount, part.note});
    if (parts.isEmpty())
        parts.append({line.category, line.amount, line.note});
    const int key = lineKey(line, row);
    const auto keep = [this, row, key](const QList<PlannedPart> &planned) {
        const QString refusal = _model->setParts(row, planned);
        if (!refusal.isEmpty())
            return EditAnswer::refused(refusal);
        _splits.insert(key, plan().lines()[row].parts);
        return EditAnswer::changed();
    };
    SplitEditorDialog::Unsplit unsplit;
    if (line.isSplit())
        unsplit = [this, row, keep] {
            const PlannedLine &now = plan().lines()[row];
            return keep({{now.parts.first().category, now.amount, now.note, CategorySource::Chosen}});
        };
    SplitEditorDialog::edit(
        whole, parts, plan().categories(),
        [keep](const QList<SplitPart> &typed) {
            QList<PlannedPart> planned;
            for (const SplitPart &part : typed)
                planned.append({part.category, part.amount, part.note, CategorySource::Chosen});
            return keep(planned);
        },
        unsplit, _alerts, this);
}

void ImportPreviewDialog::importAccepted()
{
    if (_source.format() == StatementFormat::Csv) {
        CsvMapping mapping = _choices.csv;
        mapping.dateOrder = _choices.dateOrder;
        _settings.setCsvMapping(CsvStatement::layoutKey(_source.csvTable()), mapping);
    }
    accept();
}
