#pragma once

#include "EditAnswer.h"
#include "recurring/RecurringTransaction.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QLocale>

class BudgetDocument;
class DocumentExtensions;
class EditingSession;

/// What is done with one due occurrence: entered as a record on `day` with
/// `amount`, or skipped. Either way it is never offered again.
struct HandledOccurrence
{
    /// The transaction's place in the list RecurringRecords::read gives.
    int item = 0;
    /// The occurrence's date, as RecurringDue gives it.
    QDate date;
    bool enter = true;
    /// The day the record is booked on, within the budget's year.
    QDate day;
    /// The amount as typed (or the transaction's own).
    QString amount;
};

/// The recurring transactions: add, edit and delete, and their occurrences
/// entered or skipped; each one undo step.
class RecurringEdits final
{
    Q_DECLARE_TR_FUNCTIONS(RecurringEdits)

public:
    explicit RecurringEdits(EditingSession &editing);

    /// `transaction.amount` is read as typed in `locale`.
    EditAnswer add(RecurringTransaction transaction, const QLocale &locale = {});
    /// Puts `transaction` in the place of the one at `index` (broken or not).
    EditAnswer replace(int index, RecurringTransaction transaction, const QLocale &locale = {});
    EditAnswer remove(int index);
    /// Enters and skips occurrences in one step ("Enter 3 Recurring
    /// Transactions"): the records are added and each transaction's LAST
    /// moves to its latest occurrence handled. The occurrences of one
    /// transaction must be its first ones still due: one left for later
    /// keeps the later ones due.
    EditAnswer handle(const QList<HandledOccurrence> &occurrences, int year, const QLocale &locale = {});

private:
    /// The transaction checked, its amount in the file's form.
    [[nodiscard]] std::optional<QString> refusal(RecurringTransaction &transaction, const QLocale &locale) const;
    EditAnswer changeExtensions(const QString &name, const DocumentExtensions &to);

    BudgetDocument &_document;
    EditingSession &_editing;
};
