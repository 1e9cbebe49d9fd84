#pragma once

#include "editing/RecurringEdits.h"

#include <QDialog>
#include <QHash>

#include <functional>
#include <memory>

class Alerts;
class BudgetDocument;
class QStandardItemModel;
namespace Ui {
class DueTransactions;
}

/// One line of Due Transactions.
struct DueLine
{
    int item = 0;
    QDate date;
    QString description;
    QString category;
    /// In the file's form; the estimate when the transaction has one.
    QString amount;
    bool estimate = false;
};

/// The occurrences that ask before they are entered, and the estimates:
/// Enter, Skip and Later for the selected lines and for all, with each
/// line's day and amount editable. Later keeps an occurrence and the later
/// ones of its transaction due; the window lists again what is still due
/// whenever the recurring transactions change.
class DueTransactionsDialog final : public QDialog
{
    Q_OBJECT

public:
    /// `due` lists what is due now; `handle` enters and skips (one undo step).
    using DueList = std::function<QList<DueLine>()>;
    using Handle = std::function<EditAnswer(const QList<HandledOccurrence> &)>;

    DueTransactionsDialog(const BudgetDocument &document, DueList due, Handle handle, Alerts &alerts,
                          QWidget *parent = nullptr);
    ~DueTransactionsDialog() override;

    /// Whether a line is listed.
    [[nodiscard]] bool isEmpty() const;
    /// Lists again what is due, without the lines left for later.
    void refill();

    void enterSelected() { act(selectedRows(), true); }
    void skipSelected() { act(selectedRows(), false); }
    void laterSelected();
    void enterAll() { act(allRows(), true); }
    void skipAll() { act(allRows(), false); }

private:
    [[nodiscard]] QList<int> selectedRows() const;
    [[nodiscard]] QList<int> allRows() const;
    void act(const QList<int> &rows, bool enter);

    std::unique_ptr<Ui::DueTransactions> _ui;
    QStandardItemModel *_lines;
    DueList _due;
    Handle _handle;
    Alerts &_alerts;
    QList<DueLine> _shown;
    /// Per transaction, the first occurrence left for later.
    QHash<int, QDate> _later;
    bool _acting = false;
};
