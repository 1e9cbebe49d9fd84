#pragma once

#include "SplitLinks.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>
#include <utility>

class DocumentWriter;
struct Entry;

/// The file's split records: `;@split<TAB>MONTH` then `<TAB>CATEGORY<TAB>PLACE`
/// for each part, in part order, where PLACE is the entry's number in its
/// category's block for the month (the envelope entry is 0). Read while the
/// entries are, before a month's entries are sorted, and turned into links
/// by id. Parts that do not share their day and description show that the
/// entries moved since the record was written: the record is damaged.
class SplitFileReader final
{
public:
    explicit SplitFileReader(const DocumentExtensions &extensions);

    [[nodiscard]] bool isEmpty() const { return _splits.isEmpty() && _unreadable == 0; }
    /// The category whose name line is `nameLine` is read next. A second
    /// category of the same name line (read under another name) has no parts.
    void beginCategory(const QString &nameLine);
    /// An entry of the category was read at `place` of the month's block.
    void entryRead(int month, qsizetype place, Entry &entry, const DocumentWriter &writer);
    /// Puts the links in the place of the file's split records; answers how
    /// many of those could not be resolved (their entries stay, unlinked).
    int finish(const DocumentWriter &writer);

private:
    struct FileSplit
    {
        int month = -1;
        QList<quint64> ids;
        /// The day and description of the first part read.
        std::optional<std::pair<QString, QString>> shared;
        bool damaged = false;
    };
    struct Wanted
    {
        int split = 0;
        int part = 0;
    };
    [[nodiscard]] static qint64 keyOf(int month, qsizetype place) { return qint64(month) << 40 | place; }

    QList<FileSplit> _splits;
    QHash<QString, QHash<qint64, Wanted>> _byCategory;
    const QHash<qint64, Wanted> *_current = nullptr;
    QSet<QString> _begun;
    int _unreadable = 0;
};

/// Writes the links back as the file's split records, from the places the
/// parts are written at.
class SplitFileWriter final
{
public:
    explicit SplitFileWriter(const DocumentExtensions &extensions);

    [[nodiscard]] bool isEmpty() const { return _wanted.isEmpty(); }
    /// The entry was written at `place` of the month's block of the category
    /// whose name line is `nameLine`.
    void entryWritten(const QString &nameLine, qsizetype place, const Entry &entry);
    /// The extensions as the file keeps them.
    [[nodiscard]] DocumentExtensions forFile(const DocumentExtensions &extensions) const;

private:
    struct Written
    {
        QString category;
        qsizetype place = 0;
    };
    struct Wanted
    {
        int link = 0;
        int part = 0;
    };
    QList<SplitLink> _links;
    QHash<quint64, Wanted> _wanted;
    QList<QList<std::optional<Written>>> _written;
};
