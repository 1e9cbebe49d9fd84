#include "MonthSplits.h"

#include "platform/MoneyDisplay.h"

MonthSplits MonthSplits::of(const QList<SplitLink> &links, const QHash<quint64, const Entry *> &records)
{
    MonthSplits splits;
    for (const SplitLink &link : links) {
        Split split;
        for (const quint64 id : link.parts) {
            const Entry *entry = records.value(id);
            // An id can stand in one link only; a second claim is ignored.
            if (!entry || splits._parts.contains(id) || split.parts.contains(id))
                continue;
            if (split.parts.isEmpty()) {
                split.day = entry->day;
                split.desc = entry->desc;
            }
            split.parts.append(id);
            split.total += Decimal::fromText(entry->amount);
        }
        if (split.parts.size() < 2)
            continue;
        const int index = int(splits._splits.size());
        const int count = int(split.parts.size());
        for (int number = 0; number < count; ++number)
            splits._parts.insert(split.parts[number], {index, number + 1, count});
        splits._splits.append(std::move(split));
    }
    return splits;
}

std::optional<MonthSplits::Part> MonthSplits::partOf(quint64 id) const
{
    const auto found = _parts.constFind(id);
    return found == _parts.cend() ? std::nullopt : std::optional(*found);
}

const MonthSplits::Split *MonthSplits::splitOf(quint64 id) const
{
    const std::optional<Part> part = partOf(id);
    return part ? &_splits[part->split] : nullptr;
}

QString MonthSplits::partText(const Part &part)
{
    return tr("%1 of %2").arg(part.number).arg(part.count);
}

QString MonthSplits::partDescription(const Part &part, const Split &split)
{
    return tr("part %1 of %2 of %3 %4")
        .arg(part.number)
        .arg(part.count)
        .arg(split.desc, MoneyDisplay::format(totalText(split)));
}

QString MonthSplits::exportName(const Part &part, const Split &split, int year, int month)
{
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(year, 4, 10, QLatin1Char('0'))
                             .arg(month + 1, 2, 10, QLatin1Char('0'))
                             .arg(split.day.trimmed().toInt(), 2, 10, QLatin1Char('0'));
    return tr("%1 %2 %3, %4").arg(split.desc, date, totalText(split), partText(part));
}

QString MonthSplits::totalText(const Split &split)
{
    QString text = split.total.toText();
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        text += QStringLiteral(".00");
    else if (text.size() - point == 2)
        text += u'0';
    return text;
}

QString MonthSplits::findText(const Part &part, const Split &split)
{
    return tr("%1, %2").arg(MoneyDisplay::format(totalText(split)), partText(part));
}
