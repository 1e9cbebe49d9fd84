#pragma once

#include "ExtensionRecord.h"

#include <QList>
#include <QString>

#include <optional>

/// The record kinds this version reads. A kind not listed here is kept and
/// written back unread, so a newer Orrinwick's data survives an older one.
namespace ExtensionKind {
inline const QString kYear = QStringLiteral("year");
inline const QString kLastYear = QStringLiteral("lastyear");
inline const QString kCarry = QStringLiteral("carry");
inline const QString kOpening = QStringLiteral("opening");
inline const QString kRenamed = QStringLiteral("renamed");
} // namespace ExtensionKind

/// The records of a document's extension section, in file order. Each
/// feature reads and replaces the records of its own kind; the rest stay as
/// they were read.
class DocumentExtensions final
{
public:
    [[nodiscard]] const QList<ExtensionRecord> &records() const { return _records; }
    [[nodiscard]] bool isEmpty() const { return _records.isEmpty(); }
    /// The readable records of one kind, in file order.
    [[nodiscard]] QList<ExtensionRecord> recordsOf(QStringView kind) const;

    void append(ExtensionRecord record) { _records.append(std::move(record)); }
    /// Replaces every record of the kind with `records`, where the first of
    /// them stood (at the end when there was none), so a file read and
    /// written again keeps its order.
    void replaceKind(const QString &kind, const QList<ExtensionRecord> &records);

    /// The budget's year (`;@year<TAB>2026`), when the file names one.
    [[nodiscard]] std::optional<int> year() const;
    void setYear(std::optional<int> year);

    friend bool operator==(const DocumentExtensions &, const DocumentExtensions &) = default;

private:
    QList<ExtensionRecord> _records;
};
