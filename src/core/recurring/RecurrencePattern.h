#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <optional>

/// A rule as people say it: every N weeks, every N months on a day (or the
/// last day), once a year; ending never, after N times or on a date. It is
/// what the editor shows and makes; the file stores its RRULE text.
struct RecurrencePattern
{
    Q_DECLARE_TR_FUNCTIONS(RecurrencePattern)

public:
    enum class Unit { Weeks, Months, Year };
    enum class Ending { Never, AfterCount, OnDate };
    /// The month day of "on the last day", as RRULE writes it.
    static constexpr int kLastDay = -1;

    Unit unit = Unit::Months;
    int interval = 1;
    /// 1–31 or kLastDay, for Unit::Months; for Unit::Year the day of the
    /// first date's month (the 29th of February when the first date is the 28th).
    int monthDay = 1;
    Ending ending = Ending::Never;
    int count = 0;
    QDate until;

    /// The RRULE text from the first date `start`: `FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=31`,
    /// `FREQ=WEEKLY;INTERVAL=2`, `FREQ=YEARLY` (with its month and day when
    /// they are not the first date's), each with its COUNT or UNTIL.
    [[nodiscard]] QString rrule(QDate start) const;
    /// The pattern of a rule text this form makes; none for any other rule.
    [[nodiscard]] static std::optional<RecurrencePattern> ofRRule(const QString &rrule, QDate start);

    /// "monthly on the 31st", "every 2 weeks", "yearly on 29 February".
    [[nodiscard]] QString described(QDate start) const;
    /// The same for any rule text; the text itself when no pattern reads it.
    [[nodiscard]] static QString describe(const QString &rrule, QDate start);

    friend bool operator==(const RecurrencePattern &, const RecurrencePattern &) = default;
};
