#pragma once

#include "CsvMapping.h"
#include "CsvTable.h"
#include "StatementLine.h"

#include <QCoreApplication>

#include <optional>

/// The transactions of a CSV table, read through a column mapping; and the
/// mappings the program can find by itself.
class CsvStatement final
{
    Q_DECLARE_TR_FUNCTIONS(CsvStatement)

public:
    /// What the mapping is remembered under: the header's names, or the
    /// number of columns of a table without a header.
    [[nodiscard]] static QString layoutKey(const CsvTable &table);
    /// Whether the first row names the columns (none of its fields is a date).
    [[nodiscard]] static bool hasHeader(const CsvTable &table);
    /// The mapping the usual header names give (Date, Datum, Booking date;
    /// Description, Payee, Name, Beneficiary; Memo; Amount, Betrag; Debit,
    /// Credit), or none when the date, the description or an amount is
    /// not among them.
    [[nodiscard]] static std::optional<CsvMapping> recognise(const CsvTable &table);
    /// A first mapping to show: the recognised names, otherwise the first
    /// column of dates, the first of amounts and the widest of text; the
    /// decimal mark the amounts use.
    [[nodiscard]] static CsvMapping guess(const CsvTable &table);
    /// The message for a table whose columns were not recognised: it names them.
    [[nodiscard]] static QString unrecognisedMessage(const CsvTable &table);
    /// The transactions, or where and why reading stopped.
    [[nodiscard]] static StatementRead read(const CsvTable &table, const CsvMapping &mapping);
};
