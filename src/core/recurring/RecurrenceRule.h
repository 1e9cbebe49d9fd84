#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

struct icalrecurrencetype;

/// Where an occurrence that falls on a Saturday or Sunday moves.
enum class WeekendShift { None, Before, After };

/// When a recurring transaction falls: an RFC 5545 rule (`RRULE`) from its
/// first date (`DTSTART`), expanded by libical, with two things applied on
/// top: a day of the month that a month lacks (the 29th–31st) falls on that
/// month's last day, and the weekend shift.
class RecurrenceRule final
{
    Q_DECLARE_TR_FUNCTIONS(RecurrenceRule)

public:
    /// One occurrence: the day the rule gives, and the day after the shift.
    struct Occurrence
    {
        QDate planned;
        QDate date;

        friend bool operator==(const Occurrence &, const Occurrence &) = default;
    };

    /// A rule without occurrences.
    RecurrenceRule() = default;

    /// The rule from its first date and its text; none, with the reason in
    /// `why`, when libical cannot read the text or it repeats more often than daily.
    [[nodiscard]] static std::optional<RecurrenceRule> of(QDate start, const QString &rrule, WeekendShift shift,
                                                          QString *why = nullptr);

    [[nodiscard]] QDate start() const { return _start; }
    [[nodiscard]] const QString &text() const { return _text; }
    [[nodiscard]] WeekendShift shift() const { return _shift; }
    /// The rule's COUNT, 0 when it has none.
    [[nodiscard]] int count() const;
    /// The rule's UNTIL, null when it has none.
    [[nodiscard]] QDate until() const;

    /// The occurrences whose shifted date lies from `from` to `to`, in order.
    [[nodiscard]] QList<Occurrence> between(QDate from, QDate to) const;
    /// The first occurrence whose shifted date comes after `after`, with
    /// how many occurrences come before it; none when the rule has ended.
    [[nodiscard]] std::optional<std::pair<Occurrence, int>> firstAfter(QDate after) const;

    /// "YYYYMMDD", as DTSTART, UNTIL and LAST store a day.
    [[nodiscard]] static QString dateText(QDate date);
    /// The day of a "YYYYMMDD" text; a null date for any other text.
    [[nodiscard]] static QDate dateOf(QStringView text);
    /// "none", "before", "after".
    [[nodiscard]] static QString shiftWord(WeekendShift shift);
    [[nodiscard]] static std::optional<WeekendShift> shiftOf(QStringView word);
    /// The day moved off a weekend as `shift` says.
    [[nodiscard]] static QDate shifted(QDate date, WeekendShift shift);

private:
    /// Calls `visit(occurrence, index)` in order until it answers false.
    template<typename Visit>
    void expand(Visit &&visit) const;

    QDate _start;
    QString _text;
    WeekendShift _shift = WeekendShift::None;
    std::shared_ptr<const icalrecurrencetype> _rule;
};
