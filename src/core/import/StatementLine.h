#pragma once

#include <QDate>
#include <QList>
#include <QString>

/// One part of a transaction the file itself splits (QIF's S, $ and E lines).
struct StatementPart
{
    /// The file's own category name, matched to the budget's later.
    QString category;
    /// Signed as the line's amount; empty when the file's text is no amount.
    QString amount;
    QString memo;

    friend bool operator==(const StatementPart &, const StatementPart &) = default;
};

/// One transaction as a bank statement gives it. The amount is signed as
/// banks sign it: money out of the account is negative.
struct StatementLine
{
    QDate date;
    QString description;
    QString memo;
    /// A plain decimal text: optional "-", digits, optional "." and fraction.
    QString amount;
    /// The line of the file the transaction starts on; 0 where the reader
    /// cannot tell (an OFX file with blocks libofx does not count as transactions).
    int line = 0;
    /// The parts of a split transaction; empty for one that is not split.
    QList<StatementPart> parts;

    friend bool operator==(const StatementLine &, const StatementLine &) = default;
};

/// The two orders of a date written with slashes or dashes: 12/31/2024 or 31/12/2024.
enum class DateOrder { MonthFirst, DayFirst };

/// What reading a statement gave: its lines, or the reason it could not be
/// read and the line where reading stopped.
struct StatementRead
{
    QList<StatementLine> lines;
    /// Empty when the statement was read.
    QString error;
    /// Where reading stopped (1 up); 0 when the fault is the whole file's.
    int errorLine = 0;
    /// The dates would read alike in either order (every day 12 or less):
    /// the order used is a guess the user should confirm.
    bool dateOrderOpen = false;
    /// Some dates have slashes or dashes, so their order matters.
    bool dateOrderMatters = false;
    /// The order dates with slashes or dashes were read in.
    DateOrder dateOrder = DateOrder::MonthFirst;

    [[nodiscard]] bool ok() const { return error.isEmpty(); }

    [[nodiscard]] static StatementRead failure(const QString &error, int line)
    {
        StatementRead read;
        read.error = error;
        read.errorLine = line;
        return read;
    }
};
