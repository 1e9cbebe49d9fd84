#pragma once

#include "document/Entry.h"

#include <QString>

#include <optional>

/// One transaction in the register's working list: a copy of a stored entry
/// plus the category it belongs to. Only the entry part is ever stored.
struct RegisterRecord : Entry
{
    QString category;
    /// "" on a record made by the add command, whose category may still be
    /// looked up from its description; "set" once the category is settled;
    /// none on records loaded from the document.
    std::optional<QString> autoLookupKey;

    [[nodiscard]] static RegisterRecord fromEntry(const Entry &entry, const QString &category)
    {
        RegisterRecord record;
        static_cast<Entry &>(record) = entry;
        record.category = category;
        return record;
    }

    /// The stored part: day, desc, amount, note and reconciled.
    [[nodiscard]] Entry toEntry() const { return static_cast<const Entry &>(*this); }

    /// The value under an entry key or "category"; empty text for any other key.
    [[nodiscard]] QString value(QStringView key) const
    {
        if (key == u"category")
            return category;
        return Entry::value(key);
    }

    /// Sets the value under an entry key or "category"; other keys change nothing.
    void setValue(QStringView key, const QString &text)
    {
        if (QString *field = fieldFor(key))
            *field = text;
    }

private:
    [[nodiscard]] QString *fieldFor(QStringView key)
    {
        if (key == u"day")
            return &day;
        if (key == u"desc")
            return &desc;
        if (key == u"amount")
            return &amount;
        if (key == u"note")
            return &note;
        if (key == u"reconciled")
            return &reconciled;
        if (key == u"category")
            return &category;
        return nullptr;
    }
};
