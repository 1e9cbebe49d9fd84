#include "BudgetFill.h"

#include "BookedSums.h"
#include "LastYearBudget.h"
#include "WholeRatio.h"
#include "document/BudgetDocument.h"
#include "document/MonthDisplay.h"
#include "document/TextRules.h"

#include <algorithm>
#include <optional>

namespace BudgetFill {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(BudgetFill)
};

constexpr int kDecember = MonthTables::kMonthCount - 1;

/// The amount the request fills in month 0–11 as it stands.
QString currentAmount(const BudgetDocument &document, const QString &category, int month)
{
    if (category.isEmpty())
        return document.budgetTotals()[std::size_t(month)];
    const EntryList *list = document.entryList(category, month);
    return list && !list->isEmpty() ? list->first().amount : QStringLiteral("0");
}

/// Fills in what the rules compute, month by month, and what the preview says.
class Filler
{
public:
    Filler(const BudgetDocument &document, const LastYearBudget &lastYear, const Request &request)
        : _document(document)
        , _lastYear(lastYear)
        , _request(request)
        , _lastName(request.category.isEmpty() ? QString() : lastYear.matchOf(document.extensions(), request.category))
    {
        _months = request.months;
        std::sort(_months.begin(), _months.end());
        _months.erase(std::unique(_months.begin(), _months.end()), _months.end());
        _months.removeIf([](int month) { return month < 0 || month > kDecember; });
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            _amounts[std::size_t(month)] = currentAmount(document, request.category, month);
    }

    Preview run(const QLocale &locale)
    {
        switch (_request.rule) {
        case Rule::SameAsPreviousMonth:
            _preview.rule = Text::tr("Each month takes the amount of the month before it.");
            for (int month : std::as_const(_months)) {
                if (month > 0)
                    set(month, _amounts[std::size_t(month - 1)]);
                else if (lastYearThere())
                    set(month, _lastYear.budgetOf(_lastName, kDecember));
            }
            break;
        case Rule::CopyToFollowingMonths:
            copyToFollowing();
            break;
        case Rule::SetMonthsTo:
            if (const std::optional<QString> value = typedAmount(locale)) {
                _preview.rule = Text::tr("Each month is set to %1.").arg(*value);
                for (int month : std::as_const(_months))
                    set(month, *value);
            }
            break;
        case Rule::AverageSpent:
            average();
            break;
        case Rule::SpentSameMonthLastYear:
            _preview.rule = Text::tr("Each month takes what was booked in the same month last year.");
            if (lastYearThere()) {
                for (int month : std::as_const(_months))
                    set(month, _lastYear.booked(_lastName, month).toText());
            }
            break;
        case Rule::BudgetSameMonthLastYear:
            _preview.rule = Text::tr("Each month takes the amount of the same month last year.");
            if (lastYearThere()) {
                for (int month : std::as_const(_months))
                    set(month, _lastYear.budgetOf(_lastName, month));
            }
            break;
        case Rule::ChangeByPercent:
            changeByPercent(locale);
            break;
        }
        return _preview;
    }

private:
    void set(int month, const QString &amount)
    {
        _amounts[std::size_t(month)] = amount;
        const QString original = currentAmount(_document, _request.category, month);
        if (amount != original)
            _preview.amounts.append({_request.category, month, original, amount});
    }

    /// Whether last year's file is read and holds the category; says why not.
    bool lastYearThere()
    {
        if (!_lastYear.isLinked()) {
            _preview.note = Text::tr("No last year's budget is chosen (File → Last Year's Budget…).");
            return false;
        }
        if (!_lastYear.isLoaded()) {
            _preview.note = _lastYear.note();
            return false;
        }
        if (!_request.category.isEmpty() && _lastName.isEmpty()) {
            _preview.note = Text::tr("Last year's budget has no category %1.").arg(_request.category);
            return false;
        }
        return true;
    }

    void copyToFollowing()
    {
        if (_months.isEmpty())
            return;
        const int first = _months.first();
        const QString value = _amounts[std::size_t(first)];
        _preview.rule = Text::tr("The following months take the amount of %1, %2.").arg(MonthDisplay::name(first), value);
        // One month chosen: the rest of the year follows it.
        QList<int> following = _months.mid(1);
        if (following.isEmpty()) {
            for (int month = first + 1; month <= kDecember; ++month)
                following.append(month);
        }
        for (int month : std::as_const(following))
            set(month, value);
    }

    void average()
    {
        const int window = std::clamp(_request.window, 1, MonthTables::kMonthCount);
        _preview.rule = Text::tr("Each month takes the mean of what was booked in the %1 whole months before it, "
                                 "a month with nothing booked counting as 0, rounded to a whole unit.")
                            .arg(window);
        const bool lastYear = _lastYear.isLoaded();
        QStringList shortWindows;
        for (int month : std::as_const(_months)) {
            Decimal sum;
            int counted = 0;
            for (int before = month - window; before < month; ++before) {
                if (before >= 0) {
                    sum += BookedSums::of(_document, _request.category, before);
                    ++counted;
                } else if (lastYear) {
                    sum += _lastYear.booked(_lastName, before + MonthTables::kMonthCount);
                    ++counted;
                }
            }
            if (counted < window)
                shortWindows << (counted == 1 ? Text::tr("%1 over 1 month").arg(MonthDisplay::name(month))
                                              : Text::tr("%1 over %2 months").arg(MonthDisplay::name(month)).arg(counted));
            if (counted > 0)
                set(month, wholeRatio(sum, Decimal::fromText(u"1"), Decimal::fromText(QString::number(counted))).toText());
        }
        if (!shortWindows.isEmpty()) {
            const QString why = _lastYear.isLinked() && !lastYear ? _lastYear.note()
                                                                  : Text::tr("The year has fewer months before them.");
            _preview.note = why + u' ' + Text::tr("Averaged: %1.").arg(shortWindows.join(QStringLiteral(", ")));
        }
    }

    void changeByPercent(const QLocale &locale)
    {
        const std::optional<QString> percent = typedAmount(locale);
        if (!percent)
            return;
        _preview.rule = Text::tr("Each month changes by %1 percent, rounded to a whole unit.").arg(*percent);
        const Decimal factor = Decimal::fromText(u"100") + Decimal::fromText(*percent);
        for (int month : std::as_const(_months))
            set(month, wholeRatio(Decimal::fromText(_amounts[std::size_t(month)]), factor, Decimal::fromText(u"100")).toText());
    }

    std::optional<QString> typedAmount(const QLocale &locale)
    {
        const CheckedText checked = TextRules::checkAmount(_request.typed, locale);
        if (!checked.ok()) {
            _preview.refusal = checked.error;
            return std::nullopt;
        }
        return checked.text;
    }

    const BudgetDocument &_document;
    const LastYearBudget &_lastYear;
    const Request &_request;
    const QString _lastName;
    QList<int> _months;
    std::array<QString, MonthTables::kMonthCount> _amounts;
    Preview _preview;
};

} // namespace

Preview preview(const BudgetDocument &document, const LastYearBudget &lastYear, const Request &request,
                const QLocale &locale)
{
    return Filler(document, lastYear, request).run(locale);
}

QString title(Rule rule, int window)
{
    switch (rule) {
    case Rule::SameAsPreviousMonth:
        return Text::tr("Same as Previous Month");
    case Rule::CopyToFollowingMonths:
        return Text::tr("Copy to Following Months");
    case Rule::SetMonthsTo:
        return Text::tr("Set Months to…");
    case Rule::AverageSpent:
        return Text::tr("Average Spent over the Last %1 Months").arg(window);
    case Rule::SpentSameMonthLastYear:
        return Text::tr("Spent in the Same Month Last Year");
    case Rule::BudgetSameMonthLastYear:
        return Text::tr("Budget of the Same Month Last Year");
    case Rule::ChangeByPercent:
        return Text::tr("Change by Percent…");
    }
    return {};
}

} // namespace BudgetFill
