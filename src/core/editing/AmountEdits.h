#pragma once

#include "EditAnswer.h"

#include <QCoreApplication>
#include <QLocale>

class BudgetDocument;
class EditingSession;

/// The typed amounts of the budget grid: a month's budget and, in envelope
/// mode, a category's envelope for a month.
class AmountEdits final
{
    Q_DECLARE_TR_FUNCTIONS(AmountEdits)

public:
    explicit AmountEdits(EditingSession &editing);

    /// The budget of month 0–11, as the user typed it in `locale`.
    EditAnswer setBudget(int month, const QString &typed, const QLocale &locale = {});
    /// The envelope amount of a category for month 0–11.
    EditAnswer setEnvelope(const QString &category, int month, const QString &typed, const QLocale &locale = {});

private:
    BudgetDocument &_document;
    EditingSession &_editing;
};
