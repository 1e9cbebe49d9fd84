#pragma once

#include <QString>

/// Description of the envelope entry at index 0 of every category's month list.
inline const QString kEnvelopeDesc = QStringLiteral("__ENVELOPE__");

/// One booked item of a category and month. Every value is text, kept as
/// typed or read.
struct Entry
{
    QString day;
    QString desc;
    QString amount;
    QString note;
    QString reconciled;

    /// A fresh envelope entry: day "0", amount "0", no note, open.
    [[nodiscard]] static Entry envelope()
    {
        return {QStringLiteral("0"), kEnvelopeDesc, QStringLiteral("0"), QString(), QStringLiteral(" ")};
    }

    /// The value under one of the keys "day", "desc", "amount", "note",
    /// "reconciled"; empty text for any other key.
    [[nodiscard]] QString value(QStringView key) const
    {
        if (key == u"day")
            return day;
        if (key == u"desc")
            return desc;
        if (key == u"amount")
            return amount;
        if (key == u"note")
            return note;
        if (key == u"reconciled")
            return reconciled;
        return {};
    }

    friend bool operator==(const Entry &, const Entry &) = default;
};
