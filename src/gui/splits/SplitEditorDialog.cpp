#include "SplitEditorDialog.h"

#include "help/HandbookPage.h"
#include "platform/Alerts.h"
#include "platform/CategoryComboBox.h"
#include "platform/ModalLoop.h"
#include "platform/MoneyDisplay.h"
#include "document/TextRules.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/// An amount typed in the user's locale, empty for 0; none when it is no amount.
std::optional<Decimal> typedAmount(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return Decimal();
    const CheckedText checked = TextRules::checkAmount(typed, QLocale());
    if (!checked.ok())
        return std::nullopt;
    return Decimal::fromText(checked.text);
}

/// The amount of `units` hundredths (or finer, `scale` digits) as the user's locale writes it.
QString amountText(qint64 units, int scale)
{
    const bool negative = units < 0;
    const qint64 size = negative ? -units : units;
    qint64 unit = 1;
    for (int digit = 0; digit < scale; ++digit)
        unit *= 10;
    QString text = QString::number(size / unit);
    if (scale > 0)
        text += QLocale().decimalPoint() + QStringLiteral("%1").arg(size % unit, scale, 10, QLatin1Char('0'));
    return negative ? u'-' + text : text;
}

} // namespace

SplitEditorDialog::SplitEditorDialog(const Whole &whole, const QList<SplitPart> &parts,
                                     const QStringList &categories, Save save, Unsplit unsplit, Alerts &alerts,
                                     QWidget *parent)
    : QDialog(parent)
    , _whole(whole)
    , _categories(categories)
    , _save(std::move(save))
    , _unsplit(std::move(unsplit))
    , _alerts(alerts)
{
    setWindowTitle(_unsplit ? tr("Change Split") : tr("Split Transaction"));
    HandbookPage::set(*this, QStringLiteral("splits"));
    auto *layout = new QVBoxLayout(this);

    auto *header = new QFormLayout;
    const auto fixed = [this, header](const QString &title, const QString &text, const QString &name) {
        auto *label = new QLabel(text, this);
        label->setAccessibleName(name);
        label->setToolTip(name);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        header->addRow(title, label);
    };
    fixed(tr("Day:"), whole.day, tr("Day of the transaction"));
    fixed(tr("Description:"), whole.desc, tr("Description of the transaction"));
    fixed(tr("Total:"), MoneyDisplay::format(whole.total.toText()), tr("Total of the transaction"));
    layout->addLayout(header);

    _grid = new QGridLayout;
    _grid->addWidget(new QLabel(tr("Category"), this), 0, 0);
    _grid->addWidget(new QLabel(tr("Amount"), this), 0, 1);
    _grid->addWidget(new QLabel(tr("Note"), this), 0, 2);
    layout->addLayout(_grid);

    auto *partButtons = new QHBoxLayout;
    _add = new QPushButton(tr("&Add Part"), this);
    _add->setAccessibleName(tr("Add a part"));
    _add->setToolTip(tr("Adds a line for one more category"));
    connect(_add, &QPushButton::clicked, this, [this] { addPart(); });
    _remove = new QPushButton(tr("&Remove Part"), this);
    _remove->setAccessibleName(tr("Remove the last part"));
    _remove->setToolTip(tr("Removes the last line; a split keeps two parts at least"));
    connect(_remove, &QPushButton::clicked, this, &SplitEditorDialog::removeLastPart);
    auto *distribute = new QPushButton(tr("Distribute &Evenly"), this);
    distribute->setAccessibleName(tr("Distribute evenly"));
    distribute->setToolTip(tr("Gives each part the same share of the total; cents left over go to the first parts"));
    connect(distribute, &QPushButton::clicked, this, &SplitEditorDialog::distributeEvenly);
    partButtons->addWidget(_add);
    partButtons->addWidget(_remove);
    partButtons->addWidget(distribute);
    partButtons->addStretch();
    _left = new QLabel(this);
    _left->setAccessibleName(tr("Left to assign"));
    _left->setToolTip(tr("What of the total no part has yet"));
    partButtons->addWidget(_left);
    layout->addLayout(partButtons);

    _buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = _buttons->button(QDialogButtonBox::Ok);
    // Return in a part's line saves, whichever button was pressed last.
    ok->setDefault(true);
    ok->setAccessibleName(tr("Save the split"));
    ok->setToolTip(tr("Keeps the parts, in one step that Undo takes back"));
    QPushButton *cancel = _buttons->button(QDialogButtonBox::Cancel);
    cancel->setAccessibleName(tr("Cancel the split editor"));
    cancel->setToolTip(tr("Closes the editor and changes nothing"));
    if (_unsplit) {
        QPushButton *unsplitButton = _buttons->addButton(tr("&Unsplit"), QDialogButtonBox::ResetRole);
        unsplitButton->setAccessibleName(tr("Unsplit the transaction"));
        unsplitButton->setToolTip(tr("Puts the parts back into one transaction in the first part's category"));
        connect(unsplitButton, &QPushButton::clicked, this, &SplitEditorDialog::unsplit);
    }
    connect(_buttons, &QDialogButtonBox::accepted, this, &SplitEditorDialog::save);
    connect(_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { ModalLoop::current().stop(this); });
    layout->addWidget(_buttons);

    for (const SplitPart &part : parts)
        addPart(part);
    while (_lines.size() < 2)
        addPart();
    follow();
    _lines.first().category->setFocus();
}

void SplitEditorDialog::addPart(const SplitPart &part)
{
    const int number = int(_lines.size()) + 1;
    Line line;
    line.category = new CategoryComboBox(_categories, this);
    line.category->setName(part.category);
    line.category->setAccessibleName(tr("Category of part %1").arg(number));
    line.category->setToolTip(tr("The category this part is booked in; type a name or choose one"));
    line.category->view()->setAccessibleName(tr("Categories for part %1").arg(number));
    line.category->view()->setToolTip(tr("The budget's categories"));
    line.amount = new QLineEdit(part.amount.isEmpty() ? QString() : MoneyDisplay::format(part.amount), this);
    line.amount->setAccessibleName(tr("Amount of part %1").arg(number));
    line.amount->setToolTip(tr("What of the total goes into this part's category"));
    line.note = new QLineEdit(part.note, this);
    line.note->setAccessibleName(tr("Note of part %1").arg(number));
    line.note->setToolTip(tr("The part's own note; a #word in it is a tag"));
    // The parts' lines come first in the tab order, each in its order, then the buttons.
    if (!_lines.isEmpty())
        setTabOrder(_lines.last().note, line.category);
    setTabOrder(line.category, line.amount);
    setTabOrder(line.amount, line.note);
    setTabOrder(line.note, _add);
    _grid->addWidget(line.category, number, 0);
    _grid->addWidget(line.amount, number, 1);
    _grid->addWidget(line.note, number, 2);
    connect(line.category, &QComboBox::currentTextChanged, this, &SplitEditorDialog::follow);
    connect(line.amount, &QLineEdit::textChanged, this, &SplitEditorDialog::follow);
    _lines.append(line);
    follow();
}

void SplitEditorDialog::removeLastPart()
{
    if (_lines.size() <= 2)
        return;
    const Line line = _lines.takeLast();
    delete line.category;
    delete line.amount;
    delete line.note;
    follow();
}

QList<SplitPart> SplitEditorDialog::parts() const
{
    QList<SplitPart> parts;
    for (const Line &line : _lines)
        parts.append({line.category->listedName(), line.amount->text().trimmed(), line.note->text()});
    return parts;
}

std::optional<Decimal> SplitEditorDialog::leftToAssign() const
{
    Decimal left = _whole.total;
    for (const Line &line : _lines) {
        const std::optional<Decimal> amount = typedAmount(line.amount->text());
        if (!amount)
            return std::nullopt;
        left -= *amount;
    }
    return left;
}

void SplitEditorDialog::distributeEvenly()
{
    // In hundredths, or in the total's own finer digits.
    const QString total = _whole.total.toText();
    const qsizetype point = total.indexOf(u'.');
    const int scale = std::max(2, point < 0 ? 0 : int(total.size() - point - 1));
    QString digits = total;
    digits.remove(u'.');
    digits += QString(scale - (point < 0 ? 0 : int(total.size() - point - 1)), u'0');
    bool ok = false;
    const qint64 units = digits.toLongLong(&ok);
    if (!ok || _lines.isEmpty())
        return;
    const qint64 count = _lines.size();
    const qint64 share = units / count;
    qint64 rest = units - share * count; // same sign as the total
    for (Line &line : _lines) {
        qint64 part = share;
        if (rest != 0) {
            part += rest > 0 ? 1 : -1;
            rest += rest > 0 ? -1 : 1;
        }
        line.amount->setText(amountText(part, scale));
    }
}

void SplitEditorDialog::follow()
{
    if (!_left || !_buttons)
        return;
    const std::optional<Decimal> left = leftToAssign();
    _left->setText(left ? tr("Left to assign: %1").arg(MoneyDisplay::format(left->toText()))
                        : tr("Left to assign: an amount cannot be read"));
    bool categories = true;
    for (const Line &line : std::as_const(_lines))
        categories = categories && !line.category->listedName().isEmpty();
    _buttons->button(QDialogButtonBox::Ok)->setEnabled(left && left->isZero() && categories && _lines.size() >= 2);
    _remove->setEnabled(_lines.size() > 2);
}

void SplitEditorDialog::save()
{
    const EditAnswer answer = _save(parts());
    if (answer.isRefused()) {
        _alerts.warning(answer.message);
        return;
    }
    accept();
}

void SplitEditorDialog::unsplit()
{
    const EditAnswer answer = _unsplit();
    if (answer.isRefused()) {
        _alerts.warning(answer.message);
        return;
    }
    accept();
}

bool SplitEditorDialog::edit(const Whole &whole, const QList<SplitPart> &parts, const QStringList &categories,
                             const Save &save, const Unsplit &unsplit, Alerts &alerts, QWidget *parent)
{
    SplitEditorDialog dialog(whole, parts, categories, save, unsplit, alerts, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ModalLoop::current().run(&dialog);
    return dialog.result() == QDialog::Accepted;
}
