#pragma once

#include "CategoryRules.h"
#include "StatementLine.h"

#include "document/AddRecords.h"
#include "recurring/RecurringMatch.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <optional>

class BudgetDocument;

/// Where a line's category came from.
enum class CategorySource { None, Rule, Lookup, Chosen };

/// What becomes of a statement line.
enum class LineState { New, Duplicate, OtherYear, NeedsCategory, Credit };

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

    [[nodiscard]] LineState state() const;
    /// Whether the line can be ticked: in the year and with a category.
    [[nodiscard]] bool canTick() const { return month >= 0 && !category.isEmpty(); }
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
    /// transaction it meets ("matches Rent (entered 1 May)").
    [[nodiscard]] static QString stateText(const PlannedLine &line);

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

    /// Ticks or unticks a line; refused (false) for a line that cannot be ticked.
    bool setTicked(int index, bool ticked);
    /// Gives a line a category of the budget, as the user's choice; a line
    /// that needed one is ticked. Refused (false) for another name or a
    /// line of another year.
    bool setCategory(int index, const QString &category);

    [[nodiscard]] int tickedCount() const;
    [[nodiscard]] int count(LineState state) const;
    /// The ticked lines as records for the document, in statement order;
    /// a line that corrects an entered estimate is not among them.
    [[nodiscard]] QList<NewRecord> records() const;
    /// The corrections of entered estimates that the ticked lines make.
    [[nodiscard]] QList<AmountCorrection> corrections() const;
    /// The occurrences still due that the ticked lines enter.
    [[nodiscard]] QList<RecurringHit> enteredOccurrences() const;

private:
    QList<PlannedLine> _lines;
    QStringList _categories;
    QStringList _added;
    int _year = 0;
};
