#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>

class BudgetDocument;

/// Which records of a month came from a recurring transaction: those of its
/// category and description in a month where one of its occurrences has
/// been entered (the day may have been changed when it was).
class RecurringMarks final
{
    Q_DECLARE_TR_FUNCTIONS(RecurringMarks)

public:
    /// The marks of month 0–11 of `year`.
    [[nodiscard]] static RecurringMarks forMonth(const BudgetDocument &document, int year, int month);

    /// "recurring: Rent, monthly on day 1" for a record of the transaction;
    /// empty for any other record.
    [[nodiscard]] QString markOf(const QString &category, const QString &description) const;
    [[nodiscard]] bool isEmpty() const { return _marks.isEmpty(); }

private:
    QHash<QString, QString> _marks;
};
