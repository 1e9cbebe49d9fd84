#include "RecurrencePattern.h"

#include "RecurrenceRule.h"

#include <QLocale>
#include <QStringList>

namespace {

/// The rule's parts, "FREQ=MONTHLY;INTERVAL=2" as {FREQ: MONTHLY, INTERVAL: 2}.
std::optional<QList<std::pair<QString, QString>>> partsOf(const QString &rrule)
{
    QList<std::pair<QString, QString>> parts;
    for (const QString &part : rrule.split(u';')) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals <= 0)
            return std::nullopt;
        parts.append({part.left(equals), part.mid(equals + 1)});
    }
    return parts;
}

std::optional<int> positive(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 && value < 10000 ? std::optional(value) : std::nullopt;
}

} // namespace

QString RecurrencePattern::rrule(QDate start) const
{
    QString text;
    switch (unit) {
    case Unit::Weeks:
        text = QStringLiteral("FREQ=WEEKLY;INTERVAL=%1").arg(interval);
        break;
    case Unit::Months:
        text = QStringLiteral("FREQ=MONTHLY;INTERVAL=%1;BYMONTHDAY=%2").arg(interval).arg(monthDay);
        break;
    case Unit::Year:
        text = QStringLiteral("FREQ=YEARLY");
        if (monthDay != start.day())
            text += QStringLiteral(";BYMONTH=%1;BYMONTHDAY=%2").arg(start.month()).arg(monthDay);
        break;
    }
    if (ending == Ending::AfterCount)
        text += QStringLiteral(";COUNT=%1").arg(count);
    else if (ending == Ending::OnDate)
        text += QStringLiteral(";UNTIL=") + RecurrenceRule::dateText(until);
    return text;
}

std::optional<RecurrencePattern> RecurrencePattern::ofRRule(const QString &rrule, QDate start)
{
    const std::optional<QList<std::pair<QString, QString>>> parts = partsOf(rrule);
    if (!parts)
        return std::nullopt;
    RecurrencePattern pattern;
    pattern.monthDay = start.day();
    bool hasFreq = false;
    for (const auto &[name, value] : *parts) {
        if (name == u"FREQ") {
            hasFreq = true;
            if (value == u"WEEKLY")
                pattern.unit = Unit::Weeks;
            else if (value == u"MONTHLY")
                pattern.unit = Unit::Months;
            else if (value == u"YEARLY")
                pattern.unit = Unit::Year;
            else
                return std::nullopt;
        } else if (name == u"INTERVAL") {
            const std::optional<int> interval = positive(value);
            if (!interval)
                return std::nullopt;
            pattern.interval = *interval;
        } else if (name == u"BYMONTHDAY") {
            bool ok = false;
            pattern.monthDay = value.toInt(&ok);
            if (!ok || (pattern.monthDay != kLastDay && (pattern.monthDay < 1 || pattern.monthDay > 31)))
                return std::nullopt;
        } else if (name == u"BYMONTH") {
            // New Year writes the month of a yearly rule out; it is the first date's.
            if (value.toInt() != start.month())
                return std::nullopt;
        } else if (name == u"COUNT") {
            const std::optional<int> count = positive(value);
            if (!count)
                return std::nullopt;
            pattern.ending = Ending::AfterCount;
            pattern.count = *count;
        } else if (name == u"UNTIL") {
            pattern.until = RecurrenceRule::dateOf(value);
            if (!pattern.until.isValid())
                return std::nullopt;
            pattern.ending = Ending::OnDate;
        } else {
            return std::nullopt;
        }
    }
    if (!hasFreq || (pattern.unit == Unit::Year && pattern.interval != 1))
        return std::nullopt;
    return pattern;
}

QString RecurrencePattern::described(QDate start) const
{
    const QLocale locale;
    QString text;
    switch (unit) {
    case Unit::Weeks:
        text = interval == 1 ? tr("weekly") : tr("every %1 weeks").arg(interval);
        break;
    case Unit::Months: {
        const QString day = monthDay == kLastDay ? tr("on the last day") : tr("on day %1").arg(monthDay);
        text = interval == 1 ? tr("monthly %1").arg(day) : tr("every %1 months %2").arg(interval).arg(day);
        break;
    }
    case Unit::Year:
    {
        // A leap day that falls on the 28th in other years is still said as the 29th.
        const QDate day(2000, start.month(), monthDay > 0 ? monthDay : start.day());
        text = tr("yearly on %1").arg(locale.toString(day.isValid() ? day : start, tr("d MMMM", "day and month of a yearly date")));
    }
        break;
    }
    if (ending == Ending::AfterCount)
        text = count == 1 ? tr("%1, once").arg(text) : tr("%1, %2 times").arg(text).arg(count);
    else if (ending == Ending::OnDate)
        text = tr("%1, until %2").arg(text, locale.toString(until, QLocale::ShortFormat));
    return text;
}

QString RecurrencePattern::describe(const QString &rrule, QDate start)
{
    const std::optional<RecurrencePattern> pattern = ofRRule(rrule, start);
    return pattern ? pattern->described(start) : rrule;
}
