#pragma once

#include "RecurringRecords.h"

#include "editing/AddRecords.h"

#include <QCoreApplication>
#include <QDate>
#include <QSet>

class BudgetDocument;

/// An occurrence of a recurring transaction that a bank statement's line is.
struct RecurringHit
{
    int item = 0;
    QDate occurrence;
    /// Entered (or skipped) already: the line is that record, not a new one.
    bool entered = false;
    /// The transaction's amount is an estimate ("about 80").
    bool estimate = false;
    QString description;
};

/// Meets a bank statement with the recurring transactions: a line of the
/// same category, the same amount (within 10 % of an estimate) and a day
/// within 4 days of an occurrence is that occurrence. An occurrence still
/// due is only met when it is the transaction's first one due, so that
/// entering it leaves no earlier one behind.
class RecurringMatch final
{
    Q_DECLARE_TR_FUNCTIONS(RecurringMatch)

public:
    RecurringMatch(const BudgetDocument &document, int year);

    /// The occurrence the line is, when it is one no earlier line took;
    /// `amount` as spending (money out positive).
    [[nodiscard]] std::optional<RecurringHit> take(const QString &category, QDate day, const QString &amount);

    /// "matches Rent (entered 1 May)", "enters Rent of 1 June".
    [[nodiscard]] static QString note(const RecurringHit &hit);
    /// What a line that meets an estimate's entered record says: it offers
    /// the bank's amount ("matches Power (entered 10 April as 80): tick to
    /// book the bank's 83.40"), or, ticked, books it.
    [[nodiscard]] static QString correctionNote(const RecurringHit &hit, const AmountCorrection &correction,
                                                bool ticked);
    /// The extensions with each due occurrence that `hits` enter handled.
    [[nodiscard]] static DocumentExtensions withEntered(const BudgetDocument &document,
                                                        const DocumentExtensions &extensions,
                                                        const QList<RecurringHit> &hits);

private:
    QList<RecurringItem> _items;
    int _year = 0;
    QSet<std::pair<int, QDate>> _taken;
};
