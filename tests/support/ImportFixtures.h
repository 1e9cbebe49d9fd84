#pragma once

#include "document/CsvExport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The test statements under tests/data/import and what they do to the
/// sample budget. Every statement holds the same ten transactions.
namespace ImportFixtures {

inline const QString kFolder = QStringLiteral(ORRINWICK_TEST_DATA "/import/");
inline const QString kSample = QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt");

/// Every test statement, by file name.
inline const QStringList kStatements{
    QStringLiteral("statement-ofx102.ofx"),    QStringLiteral("statement-ofx211.ofx"),
    QStringLiteral("statement-creditcard.qfx"), QStringLiteral("statement-apostrophe.qif"),
    QStringLiteral("statement-slash.qif"),      QStringLiteral("statement-dotted.qif"),
    QStringLiteral("statement-iso.qif"),        QStringLiteral("statement-comma.csv"),
    QStringLiteral("statement-semicolon.csv"),  QStringLiteral("statement-debit-credit.csv"),
};

/// May of the sample once a statement is imported as it comes: the five
/// new debits whose description the register knows, in budget order. The
/// April line is a duplicate, the 2025 line of another year, the garden
/// centre has no category and the two credits are left out.
inline const QByteArray kImportedMay = "Day,Category,Description,Amount,Note,Reconciled\r\n"
                                       "2,Groceries,Market,58.40,weekly shop,no\r\n"
                                       "8,Utilities,Power company,79.15,electricity,no\r\n"
                                       "4,Transport,Bus pass,49.00,,no\r\n"
                                       "20,Dining out,Café Lune,14.10,,no\r\n"
                                       "15,Health,Pharmacy,18.30,,no\r\n";

} // namespace ImportFixtures
