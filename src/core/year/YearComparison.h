#pragma once

#include "document/Decimal.h"
#include "document/MonthTables.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class BudgetDocument;
class DocumentExtensions;

/// This year's bookings against last year's, per category and month.
struct YearComparison
{
    struct Row
    {
        /// This year's name; empty for a category only last year had.
        QString thisName;
        /// Last year's name; empty for a category new this year.
        QString lastName;
        std::array<Decimal, MonthTables::kMonthCount> thisYear;
        std::array<Decimal, MonthTables::kMonthCount> lastYear;
        /// Booked from January 1 up to the day given to of(), in each year.
        Decimal thisToDate;
        Decimal lastToDate;

        /// The name the row is shown under.
        [[nodiscard]] QString name() const { return thisName.isEmpty() ? lastName : thisName; }
        [[nodiscard]] Decimal totalThis(int throughMonth = MonthTables::kMonthCount - 1) const;
        [[nodiscard]] Decimal totalLast(int throughMonth = MonthTables::kMonthCount - 1) const;
    };

    /// The four figures shown for a row, each over the months, the year to date and the year.
    enum class Figure { ThisYear, LastYear, Difference, Change };
    static constexpr std::array<Figure, 4> kFigures{Figure::ThisYear, Figure::LastYear, Figure::Difference,
                                                    Figure::Change};
    /// January to December, then the year to date and the whole year.
    static constexpr int kFigureColumns = MonthTables::kMonthCount + 2;

    /// This year's categories in their order, then last year's that match none.
    QList<Row> rows;
    /// The sums of every category.
    Row total;

    /// Categories are matched by name, or by a match made by hand
    /// (`;@renamed<TAB>THIS<TAB>LAST`); `lastYear` may be none. The
    /// year-to-date figures run up to `today`'s month and day, the whole
    /// year when it is not given.
    [[nodiscard]] static YearComparison of(const BudgetDocument &thisYear, const BudgetDocument *lastYear,
                                           const QDate &today = {});

    /// Last year's name of one of this year's categories: the one matched by
    /// hand when last year has it, else the same name when last year has it;
    /// empty when there is none.
    [[nodiscard]] static QString lastNameOf(const DocumentExtensions &thisYear, const BudgetDocument &lastYear,
                                            const QString &category);

    /// The last day the year-to-date figures count: today, or December 31 of
    /// a budget year that is over.
    [[nodiscard]] static QDate toDateEnd(std::optional<int> budgetYear, const QDate &today);

    /// One figure of a row in kFigureColumns cells, amounts in the file's
    /// shortest form, the change as percentChange() gives it.
    [[nodiscard]] static QStringList figures(const Row &row, Figure figure);

    /// The change from last year's `last` to `now` in percent, one decimal
    /// ("12.5", "-3"); empty when last year's is 0.
    [[nodiscard]] static QString percentChange(const Decimal &now, const Decimal &last);
};
