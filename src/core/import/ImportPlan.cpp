#include "ImportPlan.h"

#include "AmountText.h"
#include "DuplicateFinder.h"

#include "document/BudgetDocument.h"
#include "document/Decimal.h"
#include "document/TextRules.h"
#include "editing/DescriptionLookup.h"
#include "register/voCheckViewData.h"
#include "splits/Proportions.h"
#include "splits/SplitLinks.h"

#include <QHash>
#include <QSet>

#include <bitset>

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

/// An amount with two decimals at least: "60.00".
QString withCents(const QString &amount)
{
    QString text = Decimal::fromText(amount).toText();
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return text + QStringLiteral(".00");
    return text.size() - point == 2 ? text + u'0' : text;
}

/// Splits made before, by description: the latest of each (by month, then
/// day), its parts' categories and amounts in part order.
struct LastSplit
{
    int monthAndDay = -1;
    QStringList categories;
    QList<Decimal> amounts;
};

QHash<QString, LastSplit> lastSplits(const BudgetDocument &document, const QSet<QString> &descriptions)
{
    QHash<QString, LastSplit> last;
    const QList<SplitLink> links = SplitLinks::read(document.extensions());
    if (links.isEmpty())
        return last;
    // Only the months that hold a split are looked through.
    std::bitset<MonthTables::kMonthCount> months;
    for (const SplitLink &link : links) {
        if (link.month >= 0 && link.month < MonthTables::kMonthCount)
            months.set(std::size_t(link.month));
    }
    QHash<quint64, std::pair<int, const Entry *>> entries;
    const QList<CategoryRow> &rows = document.getCatArray();
    for (int row = kFirstCategoryRow; row < rows.size(); ++row) {
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList *list = months.test(std::size_t(month)) ? document.entryList(rows[row].desc, month) : nullptr;
            // Index 0 is the envelope entry.
            for (qsizetype at = 1; list && at < list->size(); ++at) {
                const Entry &entry = list->at(at);
                if (entry.id != 0 && descriptions.contains(entry.desc))
                    entries.insert(entry.id, {row, &entry});
            }
        }
    }
    for (const SplitLink &link : links) {
        LastSplit split;
        QString desc;
        for (const quint64 id : link.parts) {
            const auto found = entries.constFind(id);
            if (found == entries.cend())
                continue;
            const Entry &entry = *found->second;
            desc = entry.desc;
            split.monthAndDay = link.month * 32 + entry.day.toInt();
            split.categories.append(rows[found->first].desc);
            split.amounts.append(Decimal::fromText(entry.amount));
        }
        // Links come in file order, so a later one of the same day wins.
        if (split.categories.size() > 1 && split.monthAndDay >= last.value(desc).monthAndDay)
            last.insert(desc, split);
    }
    return last;
}

/// The statement's own parts as the line's: each category the budget's of
/// that name in any letter case, else the line's own (from the rules or the
/// register). Empty, with the reason in the line's split note, when they
/// cannot be taken.
QList<PlannedPart> statementParts(const PlannedLine &line, const QStringList &categories)
{
    const QList<StatementPart> &source = line.source.parts;
    if (source.size() < 2)
        return {};
    QList<PlannedPart> parts;
    Decimal sum;
    for (const StatementPart &part : source) {
        if (part.amount.isEmpty())
            return {};
        sum += Decimal::fromText(part.amount);
        PlannedPart planned;
        planned.amount = AmountText::negated(part.amount);
        planned.note = registerText(part.memo);
        const auto named = std::find_if(categories.cbegin(), categories.cend(), [&part](const QString &name) {
            return name.compare(part.category.trimmed(), Qt::CaseInsensitive) == 0;
        });
        if (named != categories.cend()) {
            planned.category = *named;
            planned.categorySource = CategorySource::Chosen;
        } else {
            planned.category = line.category;
            planned.categorySource = line.categorySource;
        }
        parts.append(planned);
    }
    if (!(sum == Decimal::fromText(line.source.amount)))
        return {};
    return parts;
}

/// Why the statement's split of the line was not taken.
QString splitProblem(const StatementLine &line)
{
    Decimal sum;
    for (const StatementPart &part : line.parts) {
        if (part.amount.isEmpty())
            return ImportPlan::tr("a part's amount cannot be read, so it enters whole");
        sum += Decimal::fromText(part.amount);
    }
    return ImportPlan::tr("its parts add up to %1, not %2, so it enters whole")
        .arg(AmountText::negated(sum.toText()), AmountText::negated(line.amount));
}

} // namespace

bool PlannedLine::hasCategories() const
{
    if (!isSplit())
        return !category.isEmpty();
    return std::none_of(parts.cbegin(), parts.cend(), [](const PlannedPart &part) { return part.category.isEmpty(); });
}

LineState PlannedLine::state() const
{
    if (month < 0)
        return LineState::OtherYear;
    if (duplicate)
        return LineState::Duplicate;
    if (credit)
        return LineState::Credit;
    if (!hasCategories())
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
        planned.parts = statementParts(planned, _categories);
        if (planned.parts.isEmpty() && planned.source.parts.size() > 1)
            planned.splitNote = splitProblem(planned.source);
        if (!planned.duplicate && !planned.credit && !planned.isSplit() && !planned.category.isEmpty()) {
            planned.recurring = recurring.take(planned.category, planned.source.date, planned.amount);
            // The record an entered occurrence made is this line: it would count twice.
            planned.duplicate = planned.recurring && planned.recurring->entered;
            if (planned.duplicate && planned.recurring->estimate)
                planned.correction = estimateCorrection(document, planned);
        }
        planned.ticked = planned.canTick() && (planned.state() == LineState::New
                                               || (takeCredits && planned.state() == LineState::Credit));
    }
    proposeLastSplits(document, descriptions);
}

void ImportPlan::proposeLastSplits(const BudgetDocument &document, const QSet<QString> &descriptions)
{
    const QHash<QString, LastSplit> last = lastSplits(document, descriptions);
    if (last.isEmpty())
        return;
    for (PlannedLine &planned : _lines) {
        const auto found = last.constFind(planned.description);
        if (planned.month < 0 || planned.duplicate || planned.credit || planned.recurring
            || !planned.source.parts.isEmpty() || found == last.cend())
            continue;
        const std::optional<QList<Decimal>> shares = Proportions::shares(found->amounts, Decimal::fromText(planned.amount));
        if (!shares)
            continue;
        planned.parts.clear();
        for (qsizetype at = 0; at < shares->size(); ++at)
            planned.parts.append({found->categories[at], (*shares)[at].toText(), QString(), CategorySource::Lookup});
        planned.proposed = true;
        planned.ticked = false;
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
    if (line.proposed) {
        QStringList parts;
        for (const PlannedPart &part : line.parts)
            parts.append(tr("%1 %2").arg(part.category, withCents(part.amount)));
        return tr("split as last time: %1 — tick to confirm").arg(parts.join(QStringLiteral(", ")));
    }
    if (!line.splitNote.isEmpty())
        return tr("%1; %2").arg(stateName(line.state()), line.splitNote);
    if (line.recurring && line.correction)
        return RecurringMatch::correctionNote(*line.recurring, *line.correction, line.ticked);
    return line.recurring ? RecurringMatch::note(*line.recurring) : stateName(line.state());
}

QString ImportPlan::categoryText(const PlannedLine &line)
{
    if (!line.isSplit())
        return line.category;
    QStringList names;
    for (const PlannedPart &part : line.parts)
        names.append(part.category.isEmpty() ? tr("(none)") : part.category);
    return names.join(QStringLiteral(", "));
}

bool ImportPlan::setTicked(int index, bool ticked)
{
    if (index < 0 || index >= _lines.size() || (ticked && !_lines[index].canTick()))
        return false;
    _lines[index].ticked = ticked;
    if (ticked)
        _lines[index].proposed = false;
    return true;
}

QString ImportPlan::setParts(int index, const QList<PlannedPart> &parts, const QLocale &locale)
{
    if (index < 0 || index >= _lines.size() || _lines[index].month < 0)
        return tr("Only a line of the budget's year can be split.");
    PlannedLine &line = _lines[index];
    if (parts.size() < 2) {
        if (!parts.isEmpty() && !parts.first().category.isEmpty() && !_categories.contains(parts.first().category))
            return tr("Choose a category of the budget.");
        if (!parts.isEmpty() && !parts.first().category.isEmpty()) {
            line.category = parts.first().category;
            line.categorySource = CategorySource::Chosen;
        }
        line.parts.clear();
    } else {
        QList<PlannedPart> checked;
        Decimal sum;
        for (const PlannedPart &part : parts) {
            if (!_categories.contains(part.category))
                return tr("Choose a category for each part.");
            const CheckedText amount = TextRules::checkAmount(part.amount, locale);
            if (!amount.ok())
                return amount.error;
            const CheckedText note = TextRules::checkNote(part.note);
            if (!note.ok())
                return note.error;
            sum += Decimal::fromText(amount.text);
            checked.append({part.category, amount.text, note.text, CategorySource::Chosen});
        }
        const Decimal total = Decimal::fromText(line.amount);
        if (!(sum == total))
            return tr("The parts add up to %1, but the total is %2.").arg(sum.toText(), total.toText());
        line.parts = checked;
    }
    // The occurrence a whole line would enter is no split.
    if (line.recurring && !line.recurring->entered)
        line.recurring.reset();
    line.correction.reset();
    line.proposed = false;
    line.splitNote.clear();
    line.ticked = line.canTick() && !line.duplicate;
    return {};
}

bool ImportPlan::setCategory(int index, const QString &category)
{
    if (index < 0 || index >= _lines.size() || _lines[index].month < 0 || _lines[index].isSplit()
        || !_categories.contains(category))
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
        const auto uses = [&name](const PlannedLine &line) {
            if (!line.isSplit())
                return line.category == name;
            return std::any_of(line.parts.cbegin(), line.parts.cend(),
                               [&name](const PlannedPart &part) { return part.category == name; });
        };
        if (std::any_of(_lines.cbegin(), _lines.cend(),
                        [&uses](const PlannedLine &line) { return line.ticked && uses(line); }))
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
    return addition().records();
}

AddRecords ImportPlan::addition() const
{
    QList<NewRecord> records;
    QList<QList<qsizetype>> splits;
    for (const PlannedLine &line : _lines) {
        if (!line.ticked || line.correction)
            continue;
        if (line.isSplit()) {
            QList<qsizetype> split;
            for (const PlannedPart &part : line.parts) {
                split.append(records.size());
                records.append({part.category, line.month,
                                Entry{QString::number(line.source.date.day()), line.description, part.amount, part.note,
                                      QStringLiteral(" ")}});
            }
            splits.append(split);
            continue;
        }
        NewRecord record;
        record.category = line.category;
        record.month = line.month;
        record.entry = {QString::number(line.source.date.day()), line.description, line.amount, line.note,
                        QStringLiteral(" ")};
        records.append(record);
    }
    return AddRecords(std::move(records), corrections(), std::move(splits));
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
