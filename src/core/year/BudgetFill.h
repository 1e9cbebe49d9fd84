#pragma once

#include "editing/PlanningEdits.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>

class BudgetDocument;
class LastYearBudget;

/// The Fill menu's helpers: new budget or envelope amounts for the selected
/// months, worked out from the months around them, what was booked, or last
/// year's file. They only compute; PlanningEdits::fill makes the change.
namespace BudgetFill {

enum class Rule {
    SameAsPreviousMonth,
    CopyToFollowingMonths,
    SetMonthsTo,
    AverageSpent,
    SpentSameMonthLastYear,
    BudgetSameMonthLastYear,
    ChangeByPercent,
};

struct Request
{
    Rule rule = Rule::SameAsPreviousMonth;
    /// The category whose envelopes are filled; empty for the Budget row.
    QString category;
    /// The selected months, 0–11.
    QList<int> months;
    /// The averages' window: 3, 6 or 12 whole months.
    int window = 3;
    /// What Set Months to and Change by Percent were given, as typed.
    QString typed;
};

/// What a fill would do, shown before it does it.
struct Preview
{
    /// Each cell that changes, old → new.
    QList<FilledAmount> amounts;
    /// The rule the new amounts follow, in words.
    QString rule;
    /// What the user should know about the figures (a short window, last
    /// year's file missing); empty when nothing.
    QString note;
    /// Why the typed value is refused; empty when it is not.
    QString refusal;
};

[[nodiscard]] Preview preview(const BudgetDocument &document, const LastYearBudget &lastYear, const Request &request,
                              const QLocale &locale = {});

/// The menu's words for a rule ("Average Spent over the Last 3 Months").
[[nodiscard]] QString title(Rule rule, int window = 3);

} // namespace BudgetFill
