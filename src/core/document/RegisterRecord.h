#pragma once

#include "Entry.h"

#include <QString>
#include <QStringList>

#include <optional>

/// The fields of a register record, in the register table's column order.
enum class RecordField { Reconciled, Day, Desc, Category, Amount, Note };

/// The text ids of the fields, in RecordField order: "reconciled", "day",
/// "desc", "category", "amount", "note".
[[nodiscard]] inline const QStringList &recordFieldIds()
{
    static const QStringList ids { QStringLiteral("reconciled"), QStringLiteral("day"),    QStringLiteral("desc"),
                                   QStringLiteral("category"),   QStringLiteral("amount"), QStringLiteral("note") };
    return ids;
}

/// The field of a text id, or none for any other text.
[[nodiscard]] inline std::optional<RecordField> recordFieldOf(QStringView id)
{
    const qsizetype at = recordFieldIds().indexOf(id);
    return at < 0 ? std::nullopt : std::optional(RecordField(at));
}

/// Whether a record's category may still be looked up from its description.
enum class CategoryLookup {
    Never, ///< loaded from the document: its category stays until chosen by hand
    Pending, ///< made by the add command: the first description picks the category
    Settled, ///< looked up, or chosen by hand
};

/// The mark of a reconciled record, and of an open one.
inline const QString kReconciledMark = QStringLiteral("R");
inline const QString kOpenMark = QStringLiteral(" ");

/// One transaction in the register's working list: a copy of a stored entry
/// plus the category it belongs to. Only the entry part is ever stored.
struct RegisterRecord : Entry
{
    QString category;
    CategoryLookup lookup = CategoryLookup::Never;

    [[nodiscard]] static RegisterRecord fromEntry(const Entry &entry, const QString &category)
    {
        RegisterRecord record;
        static_cast<Entry &>(record) = entry;
        record.category = category;
        return record;
    }

    /// The stored part: day, desc, amount, note and reconciled.
    [[nodiscard]] Entry toEntry() const { return static_cast<const Entry &>(*this); }

    [[nodiscard]] const QString &value(RecordField field) const
    {
        return const_cast<RegisterRecord *>(this)->field(field);
    }

    /// The value under a text id ("day", … "category"); empty for any other text.
    [[nodiscard]] QString value(QStringView id) const
    {
        const std::optional<RecordField> field = recordFieldOf(id);
        return field ? value(*field) : QString();
    }

    void setValue(RecordField field, const QString &text) { this->field(field) = text; }

private:
    [[nodiscard]] QString &field(RecordField field)
    {
        switch (field) {
        case RecordField::Reconciled:
            return reconciled;
        case RecordField::Day:
            return day;
        case RecordField::Desc:
            return desc;
        case RecordField::Category:
            return category;
        case RecordField::Amount:
            return amount;
        case RecordField::Note:
            return note;
        }
        Q_UNREACHABLE();
    }
};
