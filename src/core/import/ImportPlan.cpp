#include "ImportPlan.h"

#include "AmountText.h"
#include "DuplicateFinder.h"

#include "document/BudgetDocument.h"
#include "document/Decimal.h"
#include "document/TextRules.h"
#include "editing/DescriptionLookup.h"
#include "register/voCheckViewData.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

/// Text from a statement as one line with single spaces, without the
/// zero-width U+FEFF some exports scatter: unseen, it would keep a line from
/// matching the description the register holds.
QString registerText(const QString &text)
{
    return QString(text).remove(QChar(0xFEFF)).simplified();
}

/// The description as the register stores it: no leading ";" (which would
/// make it a comment in the file), never empty.
QString registerDescription(const StatementLine &line)
{
    QString text = registerText(line.description);
    if (text.isEmpty())
        text = registerText(line.memo);
    while (text.startsWith(u';'))
        text = text.sliced(1).trimmed();
    return text.isEmpty() ? kInitialDescription : text;
}

/// The record the estimate's occurrence entered (its category, month and
/// description, the day nearest the occurrence's) when the bank booked
/// another amount; none when it was booked as the bank has it or is gone.
std::optional<AmountCorrection> estimateCorrection(const BudgetDocument &document, const PlannedLine &line)
{
    const QDate occurrence = line.recurring->occurrence;
    const int month = occurrence.month() - 1;
    const EntryList *list = document.entryList(line.category, month);
    const Entry *nearest = nullptr;
    // Index 0 is the envelope entry.
    for (qsizetype at = 1; list && at < list->size(); ++at) {
        const Entry &entry = list->at(at);
        if (entry.desc != line.recurring->description)
            continue;
        const auto apart = [&occurrence](const Entry &candidate) { return std::abs(candidate.day.toInt() - occurrence.day()); };
        if (!nearest || apart(entry) < apart(*nearest))
            nearest = &entry;
    }
    if (!nearest || Decimal::fromText(nearest->amount) == Decimal::fromText(line.amount))
        return std::nullopt;
    return AmountCorrection{line.category, month, *nearest, line.amount};
}

} // namespace

LineState PlannedLine::state() const
{
    if (month < 0)
        return LineState::OtherYear;
    if (duplicate)
        return LineState::Duplicate;
    if (credit)
        return LineState::Credit;
    if (category.isEmpty())
        return LineState::NeedsCategory;
    return LineState::New;
}

ImportPlan::ImportPlan(const BudgetDocument &document, const QList<StatementLine> &lines, int year,
                       const QList<CategoryRule> &rules, bool takeCredits)
    : _year(year)
{
    const QList<CategoryRow> &rows = document.getCatArray();
    for (int row = kFirstCategoryRow; row < rows.size(); ++row)
        _categories.append(rows[row].desc);
    const QSet<QString> categories(_categories.cbegin(), _categories.cend());

    _lines.reserve(lines.size());
    QSet<QString> descriptions;
    for (const StatementLine &line : lines) {
        PlannedLine planned;
        planned.source = line;
        planned.description = registerDescription(line);
        planned.note = registerText(line.memo);
        if (planned.note == planned.description)
            planned.note.clear();
        planned.credit = !AmountText::isNegative(line.amount) && !Decimal::fromText(line.amount).isZero();
        planned.amount = AmountText::negated(line.amount);
        planned.month = line.date.year() == year ? line.date.month() - 1 : -1;
        descriptions.insert(planned.description);
        _lines.append(planned);
    }

    const DescriptionLookup lookup(document, descriptions);
    QList<std::pair<int, Entry>> entries;
    for (const PlannedLine &planned : std::as_const(_lines)) {
        if (planned.month >= 0)
            entries.append({planned.month, Entry{QString::number(planned.source.date.day()), planned.description,
                                                 planned.amount, QString(), QString()}});
    }
    DuplicateFinder duplicates(document, entries);
    RecurringMatch recurring(document, year);
    qsizetype next = 0;
    for (PlannedLine &planned : _lines) {
        if (planned.month < 0)
            continue;
        planned.category = CategoryRules::categoryFor(rules, planned.description, categories);
        planned.categorySource = CategorySource::Rule;
        if (planned.category.isEmpty()) {
            planned.category = lookup.categoryFor(planned.month, planned.description);
            planned.categorySource = planned.category.isEmpty() ? CategorySource::None : CategorySource::Lookup;
        }
        planned.duplicate = duplicates.take(planned.month, entries[next++].second);
        if (!planned.duplicate && !planned.credit && !planned.category.isEmpty()) {
            planned.recurring = recurring.take(planned.category, planned.source.date, planned.amount);
            // The record an entered occurrence made is this line: it would count twice.
            planned.duplicate = planned.recurring && planned.recurring->entered;
            if (planned.duplicate && planned.recurring->estimate)
                planned.correction = estimateCorrection(document, planned);
        }
        planned.ticked = planned.canTick() && (planned.state() == LineState::New
                                               || (takeCredits && planned.state() == LineState::Credit));
    }
}

int ImportPlan::likelyYear(const QList<StatementLine> &lines)
{
    QHash<int, int> counts;
    int best = QDate::currentDate().year();
    int bestCount = 0;
    for (const StatementLine &line : lines) {
        const int year = line.date.year();
        const int count = ++counts[year];
        if (count > bestCount || (count == bestCount && year > best)) {
            best = year;
            bestCount = count;
        }
    }
    return best;
}

int ImportPlan::startingYear(const QList<StatementLine> &lines, std::optional<int> savedYear)
{
    if (savedYear && std::any_of(lines.cbegin(), lines.cend(),
                                 [&savedYear](const StatementLine &line) { return line.date.year() == *savedYear; }))
        return *savedYear;
    return likelyYear(lines);
}

QString ImportPlan::stateName(LineState state)
{
    switch (state) {
    case LineState::New:
        return tr("new");
    case LineState::Duplicate:
        return tr("duplicate");
    case LineState::OtherYear:
        return tr("other year");
    case LineState::NeedsCategory:
        return tr("needs a category");
    case LineState::Credit:
        return tr("credit");
    }
    return {};
}

QString ImportPlan::stateText(const PlannedLine &line)
{
    if (line.recurring && line.correction)
        return RecurringMatch::correctionNote(*line.recurring, *line.correction, line.ticked);
    return line.recurring ? RecurringMatch::note(*line.recurring) : stateName(line.state());
}

bool ImportPlan::setTicked(int index, bool ticked)
{
    if (index < 0 || index >= _lines.size() || (ticked && !_lines[index].canTick()))
        return false;
    _lines[index].ticked = ticked;
    return true;
}

bool ImportPlan::setCategory(int index, const QString &category)
{
    if (index < 0 || index >= _lines.size() || _lines[index].month < 0 || !_categories.contains(category))
        return false;
    PlannedLine &line = _lines[index];
    const bool neededOne = line.state() == LineState::NeedsCategory;
    // A line moved to another category is no longer the occurrence it would enter.
    if (line.recurring && !line.recurring->entered && category != line.category)
        line.recurring.reset();
    line.category = category;
    line.categorySource = CategorySource::Chosen;
    if (neededOne)
        line.ticked = true;
    return true;
}

bool ImportPlan::addCategory(const QString &name)
{
    const CheckedText checked = TextRules::checkName(name);
    if (!checked.ok() || checked.text.isEmpty() || checked.text != name || _categories.contains(name))
        return false;
    _categories.append(name);
    _added.append(name);
    return true;
}

QStringList ImportPlan::newCategories() const
{
    QStringList used;
    for (const QString &name : _added) {
        if (std::any_of(_lines.cbegin(), _lines.cend(),
                        [&name](const PlannedLine &line) { return line.ticked && line.category == name; }))
            used.append(name);
    }
    return used;
}

int ImportPlan::tickedCount() const
{
    return int(std::count_if(_lines.cbegin(), _lines.cend(), [](const PlannedLine &line) { return line.ticked; }));
}

int ImportPlan::count(LineState state) const
{
    return int(std::count_if(_lines.cbegin(), _lines.cend(),
                             [state](const PlannedLine &line) { return line.state() == state; }));
}

QList<NewRecord> ImportPlan::records() const
{
    QList<NewRecord> records;
    for (const PlannedLine &line : _lines) {
        if (!line.ticked || line.correction)
            continue;
        NewRecord record;
        record.category = line.category;
        record.month = line.month;
        record.entry = {QString::number(line.source.date.day()), line.description, line.amount, line.note,
                        QStringLiteral(" ")};
        records.append(record);
    }
    return records;
}

QList<AmountCorrection> ImportPlan::corrections() const
{
    QList<AmountCorrection> corrections;
    for (const PlannedLine &line : _lines) {
        if (line.ticked && line.correction)
            corrections.append(*line.correction);
    }
    return corrections;
}

QList<RecurringHit> ImportPlan::enteredOccurrences() const
{
    QList<RecurringHit> hits;
    for (const PlannedLine &line : _lines) {
        if (line.ticked && line.recurring && !line.recurring->entered)
            hits.append(*line.recurring);
    }
    return hits;
}
