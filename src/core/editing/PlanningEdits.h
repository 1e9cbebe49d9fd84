#pragma once

#include "EditAnswer.h"
#include "document/EnvelopeCarry.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>

class BudgetDocument;
class DocumentExtensions;
class EditingSession;

/// One budget or envelope amount a fill changes.
struct FilledAmount
{
    /// The category whose envelope changes; empty for the month's budget.
    QString category;
    int month = 0;
    QString before;
    QString after;

    friend bool operator==(const FilledAmount &, const FilledAmount &) = default;
};

/// Planning with the past: the envelopes' carry modes and opening amounts,
/// the link to last year's file, the hand-made matches of renamed
/// categories, and filling many months' amounts in one step.
class PlanningEdits final
{
    Q_DECLARE_TR_FUNCTIONS(PlanningEdits)

public:
    explicit PlanningEdits(EditingSession &editing);

    EditAnswer setCarryMode(const QString &category, CarryMode mode);
    /// January's carried-in amount when last year's file does not give it;
    /// an empty text removes it.
    EditAnswer setOpening(const QString &category, const QString &typed, const QLocale &locale = {});
    /// The link to last year's file as stored (LastYearLink makes the text).
    EditAnswer setLastYearLink(const QString &stored);
    /// Matches a category of this year to one of last year by hand; an empty
    /// `lastName` takes the match back.
    EditAnswer matchLastYear(const QString &category, const QString &lastName);
    /// Sets every amount to its `after` text as one undo step ("Fill 11 Months").
    EditAnswer fill(const QList<FilledAmount> &amounts);

private:
    /// Replaces the extension records as one undo step named `name`.
    EditAnswer changeExtensions(const QString &name, const DocumentExtensions &to);

    BudgetDocument &_document;
    EditingSession &_editing;
};
