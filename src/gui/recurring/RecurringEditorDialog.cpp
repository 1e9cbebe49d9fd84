#include "RecurringEditorDialog.h"

#include "ui_RecurringEditor.h"

#include "help/HandbookPage.h"
#include "platform/Alerts.h"
#include "platform/ModalLoop.h"
#include "platform/MoneyDisplay.h"
#include "recurring/RecurrencePattern.h"

#include <QPushButton>

namespace {

enum Ending { Never, AfterCount, OnDate };

} // namespace

RecurringEditorDialog::RecurringEditorDialog(const RecurringTransaction &transaction, const QStringList &categories,
                                             Save save, Alerts &alerts, QWidget *parent)
    : QDialog(parent)
    , _ui(std::make_unique<Ui::RecurringEditor>())
    , _save(std::move(save))
    , _alerts(alerts)
    , _original(transaction)
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("recurring"));
    _ui->categoryCombo->addItems(categories);
    _ui->unitCombo->addItems({tr("weeks"), tr("months"), tr("year (on the first date's day)")});
    for (int day = 1; day <= 31; ++day)
        _ui->dayCombo->addItem(QString::number(day), day);
    _ui->dayCombo->addItem(tr("the last day"), RecurrencePattern::kLastDay);
    _ui->endingCombo->addItems({tr("never"), tr("after a number of times"), tr("on a date")});
    _ui->shiftCombo->addItems({tr("stays on the weekend"), tr("moves to the Friday before"),
                               tr("moves to the Monday after")});
    _ui->entryCombo->addItems({tr("by itself"), tr("asks first")});
    showTransaction(transaction);

    for (QComboBox *combo : {_ui->unitCombo, _ui->dayCombo, _ui->endingCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            _keepsOriginalRule = false;
            follow();
        });
    for (QSpinBox *spin : {_ui->intervalSpin, _ui->countSpin})
        connect(spin, &QSpinBox::valueChanged, this, [this] {
            _keepsOriginalRule = false;
            follow();
        });
    for (QDateEdit *date : {_ui->startEdit, _ui->untilEdit})
        connect(date, &QDateEdit::dateChanged, this, [this] {
            _keepsOriginalRule = false;
            follow();
        });
    connect(_ui->shiftCombo, &QComboBox::currentIndexChanged, this, &RecurringEditorDialog::follow);
    QPushButton *ok = _ui->buttons->button(QDialogButtonBox::Ok);
    ok->setAccessibleName(tr("Save the recurring transaction"));
    ok->setToolTip(tr("Keeps the recurring transaction, in one step that Undo takes back"));
    QPushButton *cancel = _ui->buttons->button(QDialogButtonBox::Cancel);
    cancel->setAccessibleName(tr("Cancel the editor"));
    cancel->setToolTip(tr("Closes the editor and changes nothing"));
    connect(_ui->buttons, &QDialogButtonBox::accepted, this, &RecurringEditorDialog::save);
    connect(_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { ModalLoop::current().stop(this); });
}

RecurringEditorDialog::~RecurringEditorDialog() = default;

void RecurringEditorDialog::showTransaction(const RecurringTransaction &transaction)
{
    _ui->descriptionEdit->setText(transaction.description);
    _ui->categoryCombo->setCurrentIndex(std::max(0, _ui->categoryCombo->findText(transaction.category)));
    _ui->amountEdit->setText(transaction.amount.isEmpty() ? QString() : MoneyDisplay::format(transaction.amount));
    _ui->estimateCheck->setChecked(transaction.estimate);
    _ui->noteEdit->setText(transaction.note);
    const RecurrenceRule &rule = transaction.rule;
    const QDate start = rule.start().isValid() ? rule.start() : QDate::currentDate();
    _ui->startEdit->setDate(start);
    const std::optional<RecurrencePattern> read = RecurrencePattern::ofRRule(rule.text(), start);
    _keepsOriginalRule = !rule.text().isEmpty() && !read;
    const RecurrencePattern pattern = read.value_or(RecurrencePattern{});
    _ui->intervalSpin->setValue(pattern.interval);
    _ui->unitCombo->setCurrentIndex(int(pattern.unit));
    const int day = read ? pattern.monthDay : start.day();
    _ui->dayCombo->setCurrentIndex(std::max(0, _ui->dayCombo->findData(day)));
    _ui->endingCombo->setCurrentIndex(int(pattern.ending));
    _ui->countSpin->setValue(std::max(1, pattern.count));
    _ui->untilEdit->setDate(pattern.until.isValid() ? pattern.until : start.addYears(1));
    _ui->shiftCombo->setCurrentIndex(int(rule.shift()));
    _ui->entryCombo->setCurrentIndex(transaction.entry == RecurringEntry::Auto ? 0 : 1);
    follow();
}

RecurringTransaction RecurringEditorDialog::transaction() const
{
    RecurringTransaction made = _original;
    made.description = _ui->descriptionEdit->text();
    made.category = _ui->categoryCombo->currentText();
    made.amount = _ui->amountEdit->text();
    made.estimate = _ui->estimateCheck->isChecked();
    made.note = _ui->noteEdit->text();
    made.entry = _ui->entryCombo->currentIndex() == 0 ? RecurringEntry::Auto : RecurringEntry::Ask;
    const QDate start = _ui->startEdit->date();
    const WeekendShift shift = WeekendShift(_ui->shiftCombo->currentIndex());
    QString text = _original.rule.text();
    if (!_keepsOriginalRule) {
        RecurrencePattern pattern;
        pattern.unit = RecurrencePattern::Unit(_ui->unitCombo->currentIndex());
        pattern.interval = pattern.unit == RecurrencePattern::Unit::Year ? 1 : _ui->intervalSpin->value();
        pattern.monthDay = pattern.unit == RecurrencePattern::Unit::Year ? start.day()
                                                                         : _ui->dayCombo->currentData().toInt();
        pattern.ending = RecurrencePattern::Ending(_ui->endingCombo->currentIndex());
        pattern.count = _ui->countSpin->value();
        pattern.until = _ui->untilEdit->date();
        text = pattern.rrule(start);
    }
    made.rule = RecurrenceRule::of(start, text, shift).value_or(RecurrenceRule());
    return made;
}

void RecurringEditorDialog::follow()
{
    const auto unit = RecurrencePattern::Unit(_ui->unitCombo->currentIndex());
    _ui->intervalSpin->setEnabled(unit != RecurrencePattern::Unit::Year);
    _ui->dayCombo->setEnabled(unit == RecurrencePattern::Unit::Months);
    _ui->countSpin->setEnabled(_ui->endingCombo->currentIndex() == AfterCount);
    _ui->untilEdit->setEnabled(_ui->endingCombo->currentIndex() == OnDate);
    const RecurringTransaction made = transaction();
    _ui->ruleLabel->setText(made.rule.text().isEmpty()
                                ? QString()
                                : RecurrencePattern::describe(made.rule.text(), made.rule.start()));
}

void RecurringEditorDialog::save()
{
    const RecurringTransaction made = transaction();
    if (!made.rule.start().isValid()) {
        _alerts.warning(tr("The rule cannot be read. Choose how often it repeats."));
        return;
    }
    const EditAnswer answer = _save(made);
    if (answer.isRefused()) {
        _alerts.warning(answer.message);
        return;
    }
    accept();
}

bool RecurringEditorDialog::edit(const QString &title, const RecurringTransaction &transaction,
                                 const QStringList &categories, const Save &save, Alerts &alerts, QWidget *parent)
{
    RecurringEditorDialog dialog(transaction, categories, save, alerts, parent);
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ModalLoop::current().run(&dialog);
    return dialog.result() == QDialog::Accepted;
}
