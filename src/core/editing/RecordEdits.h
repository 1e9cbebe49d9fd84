#pragma once

#include "EditAnswer.h"
#include "MonthRecords.h"
#include "document/RegisterRecord.h"
#include "document/TextRules.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>

class BudgetDocument;
class CheckedOutMonth;
class EditingSession;

/// The register's record changes: set a field, add, delete, carry over.
/// They act on the month the register has checked out; their undo steps act
/// on the records wherever they are by then, through `MonthRecords`.
class RecordEdits final
{
    Q_DECLARE_TR_FUNCTIONS(RecordEdits)

public:
    explicit RecordEdits(EditingSession &editing);

    /// The title of a field as the register's header shows it.
    [[nodiscard]] static QString fieldTitle(RecordField field);

    /// Sets one field of the record at `row` from the text typed (for the
    /// reconciled mark: "R" to check, anything else to clear). Day, amount,
    /// description, note and category are checked; a new record's first
    /// description also looks up its category.
    EditAnswer setField(CheckedOutMonth &month, int row, RecordField field, const QString &typed,
                        const QLocale &locale = {});
    /// Appends `draft` to the month with a fresh id; refused when the budget
    /// has no category.
    EditAnswer addRecord(CheckedOutMonth &month, RegisterRecord draft);
    /// Deletes the records at the rows.
    EditAnswer deleteRecords(CheckedOutMonth &month, const QList<int> &rows);
    /// Copies the records at the rows, ascending, to the end of their
    /// categories' lists of the next month: day, description and amount, no
    /// note, open; a part of a split carries the whole split, linked again
    /// there. December has no next month and changes nothing.
    EditAnswer carryOver(CheckedOutMonth &month, const QList<int> &rows);

    /// The category of the last record of the month described exactly
    /// `desc`, else of the first stored entry so described in the earlier
    /// months (latest first), else the first category.
    [[nodiscard]] QString categoryFromDesc(const CheckedOutMonth &month, const QString &desc) const;

private:
    /// The same field of every part of a split, as one step.
    EditAnswer setSplitField(CheckedOutMonth &month, const QList<int> &rows, RecordField field, const QString &text);
    [[nodiscard]] CheckedText checkField(RecordField field, const QString &typed, const QLocale &locale) const;
    /// The id of the nearest record above `row` in category `category`, or 0.
    [[nodiscard]] static quint64 previousInCategory(const CheckedOutMonth &month, int row, const QString &category);

    BudgetDocument &_document;
    EditingSession &_editing;
    MonthRecords _monthRecords;
};
