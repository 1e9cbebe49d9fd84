#pragma once

#include "document/DocumentExtensions.h"

#include <QHash>
#include <QList>

class AddRecords;

namespace ExtensionKind {
inline const QString kSplit = QStringLiteral("split");
} // namespace ExtensionKind

/// One receipt split over categories: the entries of one month that are its
/// parts, by id, in part order. An id whose entry is gone (deleted with its
/// category, or on its own) is no part any more; a split with one part left
/// is a whole record again.
struct SplitLink
{
    int month = -1;
    QList<quint64> parts;

    friend bool operator==(const SplitLink &, const SplitLink &) = default;
};

/// The splits as the document holds them while it is open: `split` records
/// of the extension section whose fields are the month and the parts' entry
/// ids. The file holds them by place instead (SplitFile), converted when it
/// is read and written.
namespace SplitLinks {

[[nodiscard]] QList<SplitLink> read(const DocumentExtensions &extensions);
/// The links of one month only.
[[nodiscard]] QList<SplitLink> ofMonth(const DocumentExtensions &extensions, int month);
/// The extensions with `links` in the place of the split records.
[[nodiscard]] DocumentExtensions with(const DocumentExtensions &extensions, const QList<SplitLink> &links);

/// The extensions with the links of the splits among records to be added
/// (each record with its id already).
[[nodiscard]] DocumentExtensions withAdded(const DocumentExtensions &extensions, const AddRecords &records);

} // namespace SplitLinks
