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
    /// Which entry this is, so that an undo finds it again wherever the
    /// register's sorting and write-back have moved it. Never stored, not
    /// part of the value; 0 until the document hands one out.
    quint64 id = 0;

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

    friend bool operator==(const Entry &a, const Entry &b)
    {
        return a.day == b.day && a.desc == b.desc && a.amount == b.amount && a.note == b.note
            && a.reconciled == b.reconciled;
    }
};
