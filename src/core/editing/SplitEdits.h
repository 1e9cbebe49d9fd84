#pragma once

#include "EditAnswer.h"
#include "MonthRecords.h"
#include "splits/MonthSplits.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>

class BudgetDocument;
class CheckedOutMonth;
class EditingSession;

/// One part of a split as the editor gives it: amount and note as typed.
struct SplitPart
{
    QString category;
    QString amount;
    QString note;

    friend bool operator==(const SplitPart &, const SplitPart &) = default;
};

/// Split transactions: a record split over categories, a split changed, a
/// split put back into one record; each one undo step. Each part is an
/// ordinary record of its category (the record's day, description and
/// mark, its own amount and note); the link between them is a split record
/// of the extensions. They act on the month the register has checked out.
class SplitEdits final
{
    Q_DECLARE_TR_FUNCTIONS(SplitEdits)

public:
    explicit SplitEdits(EditingSession &editing);

    /// The splits among the records of the month.
    [[nodiscard]] MonthSplits splitsOf(const CheckedOutMonth &month) const;
    /// The rows of the split the record at `row` is a part of, in part
    /// order; the row alone for a whole record.
    [[nodiscard]] QList<int> rowsOfSplit(const CheckedOutMonth &month, int row) const;
    /// What the editor starts from: the split's parts, or the whole record as its one part.
    [[nodiscard]] QList<SplitPart> partsOf(const CheckedOutMonth &month, int row) const;
    /// The split's total, or the record's amount.
    [[nodiscard]] Decimal totalOf(const CheckedOutMonth &month, int row) const;

    /// Splits the record at `row` into `parts`, or changes the split it is a
    /// part of. The parts take the record's place, with its day, description
    /// and mark. Refused for fewer than two parts, a part without a category
    /// of the budget, an amount or note that is none (read in `locale`), and
    /// parts that do not add up exactly to the total.
    EditAnswer split(CheckedOutMonth &month, int row, const QList<SplitPart> &parts, const QLocale &locale = {});
    /// Puts the split the record at `row` is a part of back into one record
    /// in its first part's category: the parts' sum, their notes together.
    EditAnswer unsplit(CheckedOutMonth &month, int row);

private:
    /// Replaces the records at `rows` by `records` (fresh ids) at the place
    /// of the first, with the link `link` (none: no link) instead of theirs.
    EditAnswer replaceRecords(const QString &name, CheckedOutMonth &month, const QList<int> &rows,
                              QList<RegisterRecord> records, bool link);

    BudgetDocument &_document;
    EditingSession &_editing;
    MonthRecords _monthRecords;
};
