#pragma once

#include "RecurringTransaction.h"

#include <QCoreApplication>
#include <QList>

#include <functional>
#include <optional>

class BudgetDocument;
class DocumentExtensions;

/// One `;@recurring` record as read: the transaction, or why it cannot be
/// used. A broken record stays in the file as it is and enters nothing.
struct RecurringItem
{
    ExtensionRecord record;
    std::optional<RecurringTransaction> transaction;
    QString problem;

    [[nodiscard]] bool isBroken() const { return !transaction; }
};

/// Reading and writing the recurring transactions of a document.
class RecurringRecords final
{
    Q_DECLARE_TR_FUNCTIONS(RecurringRecords)

public:
    RecurringRecords() = delete;

    /// Every recurring record of the document, in file order, broken ones too.
    [[nodiscard]] static QList<RecurringItem> read(const BudgetDocument &document);
    /// The transaction a record holds; none, with the reason, when it cannot
    /// be used (`categoryKnown` says whether the category is one of the file's).
    [[nodiscard]] static RecurringItem fromRecord(const ExtensionRecord &record,
                                                  const std::function<bool(const QString &)> &categoryKnown);
    /// The extensions with the recurring records replaced by `items`; a
    /// broken item is written back exactly as it was read.
    [[nodiscard]] static DocumentExtensions withItems(const DocumentExtensions &extensions,
                                                      const QList<RecurringItem> &items);
};
