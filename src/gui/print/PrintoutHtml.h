#pragma once

#include "document/RegisterRecord.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class BudgetDocument;
class QAbstractItemModel;
class voCheckViewData;

/// The printouts as rich text, which both the printer and the PDF lay out
/// as real text: the budget grid as the grid shows it, and one month's
/// register with the month's budget and remainder.
class PrintoutHtml final
{
    Q_DECLARE_TR_FUNCTIONS(PrintoutHtml)

public:
    /// One month of the register, in the register's order.
    struct MonthRegister
    {
        int month = 0; // 0 … 11
        QString budget;
        QList<RegisterRecord> records;
    };

    /// The month the register data holds, as it holds it (its order, and
    /// edits not yet written back), with the document's budget for that month.
    [[nodiscard]] static MonthRegister monthRegister(const voCheckViewData &data, const BudgetDocument &document);

    /// Every row but the separator, each cell's text as the grid shows it;
    /// the Budget and Remain rows set apart.
    [[nodiscard]] static QString budgetGrid(const BudgetDocument &document, const QString &title);

    /// Day, description, category, amount, note and reconciled mark of every
    /// record, then the month's budget and what remains of it.
    [[nodiscard]] static QString monthRegisterPage(const MonthRegister &month, const QString &title);

    /// A table as its model shows it: the horizontal headers, then each
    /// cell's text, aligned as the model says.
    [[nodiscard]] static QString table(const QAbstractItemModel &model, const QString &title, const QString &subtitle);
};
