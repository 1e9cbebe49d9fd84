#pragma once

#include "NumberText.h"
#include "RegisterRecord.h"

#include <QString>
#include <QStringView>

#include <optional>

/// What an entry (or register record) is ordered by, read once: a sort over
/// many thousands of records compares keys, not texts turned into numbers at
/// every step. The day orders by day; the category, description and note as
/// plain text, then by day; the amount as a number, then by day. The
/// reconciled mark leaves every pair equal.
struct EntrySortKey
{
    enum class By { Nothing, Day, Text, Amount };

    By by = By::Nothing;
    int day = 0;
    float amount = 0.0f;
    QString text;

    [[nodiscard]] static By byOf(RecordField field)
    {
        switch (field) {
        case RecordField::Day:
            return By::Day;
        case RecordField::Category:
        case RecordField::Desc:
        case RecordField::Note:
            return By::Text;
        case RecordField::Amount:
            return By::Amount;
        case RecordField::Reconciled:
            break;
        }
        return By::Nothing;
    }

    template <typename Record>
    [[nodiscard]] static EntrySortKey of(const Record &record, RecordField field)
    {
        const By by = byOf(field);
        EntrySortKey key { by, NumberText::intValue(record.day),
                           by == By::Amount ? NumberText::floatValue(record.amount) : 0.0f, {} };
        if (by == By::Text) {
            // A register record is read by field; a stored entry, which has no category, by its text id.
            if constexpr (requires { record.value(field); })
                key.text = record.value(field);
            else
                key.text = record.value(recordFieldIds()[int(field)]);
        }
        return key;
    }

    /// -1 when this comes first, 1 when the other does, 0 when they tie.
    [[nodiscard]] int compare(const EntrySortKey &other) const
    {
        if (by == By::Nothing)
            return 0;
        if (by == By::Text) {
            if (const int order = text.compare(other.text, Qt::CaseSensitive); order != 0)
                return order < 0 ? -1 : 1;
        } else if (by == By::Amount) {
            if (amount < other.amount)
                return -1;
            if (other.amount < amount)
                return 1;
        }
        return day < other.day ? -1 : (day > other.day ? 1 : 0);
    }
};

/// Orders two entries by day: -1 when a comes first, 1 when b does, 0 when
/// their days are equal.
template <typename Record>
[[nodiscard]] int compareDate(const Record &a, const Record &b)
{
    return EntrySortKey::of(a, RecordField::Day).compare(EntrySortKey::of(b, RecordField::Day));
}

/// Orders two entries (or register records) by the field of a text id, as
/// EntrySortKey does; an unknown id leaves every pair equal.
template <typename Record>
[[nodiscard]] int compareDataRecord(const Record &a, const Record &b, QStringView key)
{
    const std::optional<RecordField> field = recordFieldOf(key);
    return field ? EntrySortKey::of(a, *field).compare(EntrySortKey::of(b, *field)) : 0;
}
