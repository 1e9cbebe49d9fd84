#include "RecurrenceRule.h"

#include <libical/ical.h>

#include <algorithm>

namespace {

// Enough for a daily rule that began eighty years before the budget's year;
// a rule that yields no day this far stops there instead of looping.
constexpr int kMostSteps = 30000;

bool isEmptyList(const short *list)
{
    return list[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

icaltimetype icalDay(QDate date)
{
    // Through libical's own reader: a date assembled by hand misleads its iterator.
    return icaltime_from_string(date.toString(QStringLiteral("yyyyMMdd")).toLatin1().constData());
}

/// The day of the month a monthly or yearly rule repeats on when it is one
/// that some months lack (29–31); 0 when libical's own expansion is right.
int lateMonthDay(const icalrecurrencetype &rule, QDate start)
{
    if (rule.freq != ICAL_MONTHLY_RECURRENCE && rule.freq != ICAL_YEARLY_RECURRENCE)
        return 0;
    if (!isEmptyList(rule.by_day) || !isEmptyList(rule.by_year_day) || !isEmptyList(rule.by_week_no)
        || !isEmptyList(rule.by_set_pos))
        return 0;
    int day = start.day();
    if (!isEmptyList(rule.by_month_day)) {
        if (rule.by_month_day[1] != ICAL_RECURRENCE_ARRAY_MAX)
            return 0;
        day = rule.by_month_day[0];
    }
    return day >= 29 ? day : 0;
}

} // namespace

std::optional<RecurrenceRule> RecurrenceRule::of(QDate start, const QString &rrule, WeekendShift shift, QString *why)
{
    const auto refuse = [why](const QString &reason) -> std::optional<RecurrenceRule> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (!start.isValid() || start.year() < 1 || start.year() > 9999)
        return refuse(tr("the first date is not a date"));
    icalerrno = ICAL_NO_ERROR;
    auto rule = std::make_shared<icalrecurrencetype>(icalrecurrencetype_from_string(rrule.toLatin1().constData()));
    if (rule->freq == ICAL_NO_RECURRENCE || icalerrno != ICAL_NO_ERROR || rrule.contains(QChar(0))
        || !std::all_of(rrule.cbegin(), rrule.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return refuse(tr("the rule \"%1\" cannot be read").arg(rrule));
    if (rule->freq < ICAL_DAILY_RECURRENCE)
        return refuse(tr("the rule repeats more often than once a day"));
    RecurrenceRule made;
    made._start = start;
    made._text = rrule;
    made._shift = shift;
    made._rule = std::move(rule);
    return made;
}

int RecurrenceRule::count() const
{
    return _rule ? _rule->count : 0;
}

QDate RecurrenceRule::until() const
{
    if (!_rule || icaltime_is_null_time(_rule->until))
        return {};
    return QDate(_rule->until.year, _rule->until.month, _rule->until.day);
}

template<typename Visit>
void RecurrenceRule::expand(Visit &&visit) const
{
    if (!_rule)
        return;
    icalrecurrencetype rule = *_rule;
    QDate from = _start;
    const int monthDay = lateMonthDay(rule, _start);
    if (monthDay) {
        // libical leaves out the months that lack the day; expanded from the
        // 1st, every month is there and takes its own last day where it lacks it.
        rule.by_month_day[0] = 1;
        rule.by_month_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
        from = QDate(_start.year(), _start.month(), 1);
    }
    const QDate until = this->until();
    icalrecur_iterator *it = icalrecur_iterator_new(rule, icalDay(from));
    if (!it)
        return;
    int index = 0;
    for (int step = 0; step < kMostSteps; ++step) {
        const icaltimetype next = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(next))
            break;
        QDate planned(next.year, next.month, next.day);
        if (!planned.isValid())
            break;
        if (monthDay)
            planned.setDate(planned.year(), planned.month(), std::min(monthDay, planned.daysInMonth()));
        if (planned < _start)
            continue;
        if (until.isValid() && planned > until)
            break;
        if (!visit(Occurrence{planned, shifted(planned, _shift)}, index++))
            break;
    }
    icalrecur_iterator_free(it);
}

QList<RecurrenceRule::Occurrence> RecurrenceRule::between(QDate from, QDate to) const
{
    QList<Occurrence> found;
    // A shift moves a day by two at most, so a planned day past `to` + 2 cannot come back.
    const QDate last = to.addDays(2);
    expand([&](const Occurrence &occurrence, int) {
        if (occurrence.planned > last)
            return false;
        if (occurrence.date >= from && occurrence.date <= to)
            found.append(occurrence);
        return true;
    });
    return found;
}

std::optional<std::pair<RecurrenceRule::Occurrence, int>> RecurrenceRule::firstAfter(QDate after) const
{
    std::optional<std::pair<Occurrence, int>> found;
    expand([&](const Occurrence &occurrence, int index) {
        if (occurrence.date <= after)
            return true;
        found = std::pair(occurrence, index);
        return false;
    });
    return found;
}

QString RecurrenceRule::dateText(QDate date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

QDate RecurrenceRule::dateOf(QStringView text)
{
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return {};
    return QDate(text.first(4).toInt(), text.sliced(4, 2).toInt(), text.sliced(6, 2).toInt());
}

QString RecurrenceRule::shiftWord(WeekendShift shift)
{
    switch (shift) {
    case WeekendShift::None: return QStringLiteral("none");
    case WeekendShift::Before: return QStringLiteral("before");
    case WeekendShift::After: return QStringLiteral("after");
    }
    Q_UNREACHABLE();
}

std::optional<WeekendShift> RecurrenceRule::shiftOf(QStringView word)
{
    for (const WeekendShift shift : {WeekendShift::None, WeekendShift::Before, WeekendShift::After}) {
        if (word == shiftWord(shift))
            return shift;
    }
    return std::nullopt;
}

QDate RecurrenceRule::shifted(QDate date, WeekendShift shift)
{
    const int weekday = date.dayOfWeek();
    if (weekday < Qt::Saturday || shift == WeekendShift::None)
        return date;
    if (shift == WeekendShift::Before)
        return date.addDays(Qt::Friday - weekday);
    return date.addDays(8 - weekday);
}
