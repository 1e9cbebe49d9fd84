#pragma once

#include "CategoryRules.h"
#include "StatementLine.h"

#include "editing/AddRecords.h"
#include "recurring/RecurringMatch.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QSet>
#include <QStringList>

#include <optional>

class BudgetDocument;

/// Where a line's category came from.
enum class CategorySource { None, Rule, Lookup, Chosen };

/// What becomes of a statement line.
enum class LineState { New, Duplicate, OtherYear, NeedsCategory, Credit };

/// One part of a line that enters the register as a split: an entry of
/// its category, the amount as spending.
struct PlannedPart
{
    QString category;
    QString amount;
    QString note;
    CategorySource categorySource = CategorySource::None;

    friend bool operator==(const PlannedPart &, const PlannedPart &) = default;
};

/// One statement line as it would enter the register.
struct PlannedLine
{
    StatementLine source;
    /// The register's text: description, note, and the amount as spending
    /// (money out positive, a credit negative).
    QString description;
    QString note;
    QString amount;
    /// 0–11 within the budget's year; -1 for a line of another year.
    int month = -1;
    bool duplicate = false;
    bool credit = false;
    QString category;
    CategorySource categorySource = CategorySource::None;
    bool ticked = false;
    /// The occurrence of a recurring transaction the line is: entered
    /// already (then the line counts as a duplicate), or still due (the line
    /// enters it).
    std::optional<RecurringHit> recurring;
    /// For an entered estimate booked at another amount: the record the
    /// line corrects to the bank's amount when ticked, instead of being added.
    std::optional<AmountCorrection> correction;
    /// Two parts or more: the line enters as a split of them.
    QList<PlannedPart> parts;
    /// The parts are the split of the description's last split record, in
    /// its proportions: a proposal that ticking the line confirms.
    bool proposed = false;
    /// Why the statement's own split was not taken (the line enters whole).
    QString splitNote;

    [[nodiscard]] bool isSplit() const { return parts.size() > 1; }
    /// Whether the line, or each of its parts, has a category.
    [[nodiscard]] bool hasCategories() const;
    [[nodiscard]] LineState state() const;
    /// Whether the line can be ticked: in the year and with a category (each part one).
    [[nodiscard]] bool canTick() const { return month >= 0 && hasCategories(); }
};

/// The lines of a statement matched against the budget of one year: each
/// line's month, category and whether the register has it already, and
/// which lines are to be added. Lines of the year that are new and have a
/// category are ticked; duplicates, credits and lines without a category
/// start unticked, and lines of other years cannot be ticked.
class ImportPlan final
{
    Q_DECLARE_TR_FUNCTIONS(ImportPlan)

public:
    /// Plans the lines for the budget year `year`. The category of a line
    /// comes from the first of the rules that applies, else from the
    /// register's description lookup in the line's month, else none. With
    /// `takeCredits`, credits start ticked.
    ImportPlan(const BudgetDocument &document, const QList<StatementLine> &lines, int year,
               const QList<CategoryRule> &rules, bool takeCredits = false);
    ImportPlan() = default;

    /// The year most lines fall in (the later one of equal counts); the
    /// current year when there are no lines.
    [[nodiscard]] static int likelyYear(const QList<StatementLine> &lines);
    /// The year to plan the lines for first: the one last used for the
    /// budget while some line falls in it, else the likely year.
    [[nodiscard]] static int startingYear(const QList<StatementLine> &lines, std::optional<int> savedYear);
    /// The name shown for a state: "new", "duplicate", "other year",
    /// "needs a category", "credit".
    [[nodiscard]] static QString stateName(LineState state);
    /// What the preview says of the line: its state, or the recurring
    /// transaction it meets ("matches Rent (entered 1 May)"), or the split
    /// proposed for it.
    [[nodiscard]] static QString stateText(const PlannedLine &line);
    /// The categories of a split line's parts ("Groceries, Household"), the
    /// line's category otherwise.
    [[nodiscard]] static QString categoryText(const PlannedLine &line);

    [[nodiscard]] int year() const { return _year; }
    [[nodiscard]] const QList<PlannedLine> &lines() const { return _lines; }
    /// The budget's categories, in budget order, then those added.
    [[nodiscard]] const QStringList &categories() const { return _categories; }
    /// Offers a category the budget does not have yet, for lines to be
    /// given; refused (false) for a name the file cannot hold or one
    /// offered already.
    bool addCategory(const QString &name);
    /// The categories added, in their order.
    [[nodiscard]] const QStringList &addedCategories() const { return _added; }
    /// The categories added that a ticked line uses: those the import creates.
    [[nodiscard]] QStringList newCategories() const;

    /// Ticks or unticks a line; refused (false) for a line that cannot be
    /// ticked. Ticking a proposed split confirms it.
    bool setTicked(int index, bool ticked);
    /// Splits a line of the year into `parts` (amounts as typed in `locale`,
    /// as spending), or with fewer than two parts puts it back whole in the
    /// first part's category. The refusal's text for a part without a
    /// category of the plan, an amount or note that is none, or parts that
    /// do not add up to the line's amount; empty when done. The line is
    /// ticked when it can be.
    QString setParts(int index, const QList<PlannedPart> &parts, const QLocale &locale = {});
    /// Gives a line a category of the budget, as the user's choice; a line
    /// that needed one is ticked. Refused (false) for another name or a
    /// line of another year.
    bool setCategory(int index, const QString &category);

    [[nodiscard]] int tickedCount() const;
    [[nodiscard]] int count(LineState state) const;
    /// The ticked lines as records for the document, in statement order;
    /// a line that corrects an entered estimate is not among them.
    [[nodiscard]] QList<NewRecord> records() const;
    /// The records, corrections and splits the ticked lines add.
    [[nodiscard]] AddRecords addition() const;
    /// The corrections of entered estimates that the ticked lines make.
    [[nodiscard]] QList<AmountCorrection> corrections() const;
    /// The occurrences still due that the ticked lines enter.
    [[nodiscard]] QList<RecurringHit> enteredOccurrences() const;

private:
    /// Offers each line whose description was split before that split again.
    void proposeLastSplits(const BudgetDocument &document, const QSet<QString> &descriptions);

    QList<PlannedLine> _lines;
    QStringList _categories;
    QStringList _added;
    int _year = 0;
};
