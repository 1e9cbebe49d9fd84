#pragma once

#include "register/CheckViewHost.h"

#include <QWidget>

#include <memory>

class Alerts;
class BudgetDocument;
class DocumentEditing;
class Calendar;
class Decimal;
class QLabel;
class QPushButton;
class QTableView;
class voCheckViewData;
struct Entry;
namespace Ui {
class CheckView;
}

/// The monthly register on the main window's second tab: the month's
/// transactions, its budget and remaining figures, month steps without
/// wrap-around, header-click sorting, and the buttons that add, delete and
/// carry over transactions or open the envelope and category editors.
class voCheckViewCtrl final : public QWidget, public CheckViewHost
{
    Q_OBJECT

public:
    voCheckViewCtrl(DocumentEditing &edits, Alerts &alerts, const Calendar &calendar, QWidget *parent = nullptr);
    ~voCheckViewCtrl() override;

    /// Entering the tab: loads the current calendar month, sorted by day.
    void initView();
    /// Leaving the tab: writes the month back when it changed and unloads it.
    void closeView();
    /// Commits the cell being edited, if any.
    void commitEditing();
    /// Writes the month shown back into the document when it changed; it
    /// stays shown, in the order shown.
    void storeMonth();
    /// Reads the month shown again from the document, after the document was
    /// put back to an earlier state: the working list is dropped unwritten.
    void reloadMonth();
    /// The envelope button, enabled by the application exactly in envelope mode.
    [[nodiscard]] QPushButton *fillEnvelopeButton() const;
    /// The button that opens the recurring transactions' list.
    [[nodiscard]] QPushButton *recurringButton() const;
    /// The button that opens the split editor on the selected record.
    [[nodiscard]] QPushButton *splitButton() const;
    /// The table of the month's records.
    [[nodiscard]] QTableView *tableView() const { return _ourTableView; }

    /// Shows the month (0 … 11) with the category's item selected and in
    /// view; the month alone when it holds no such item.
    void showRecord(int month, const QString &category, const Entry &entry);

    /// One month forward; nothing in December.
    void incrementMonth();
    /// One month back; nothing in January.
    void decrementMonth();
    /// A click on a column header: sorts by that column, except the
    /// reconciled one. Never selects the column.
    void shouldSelectTableColumn(int column);
    /// True when rows are selected; otherwise tells the user with the message.
    bool validateSelection(const QList<int> &rows, const QString &errorMessage);
    /// Adds a record and edits its day; tells the user when there is no category.
    void addData();
    /// Deletes the selected records after a question: for a part of a
    /// split, whether the whole split goes or that part.
    void delData();
    /// Copies the selected records into the next month after a question.
    void carryOver();
    /// Opens the envelope editor for the month shown; the figures follow it.
    void btnEditEnvelopes();
    /// Writes the month back, opens the category editor, then reloads the month.
    void btnEditCategories();

    void setMonthTitle(int month) override;
    /// Shows both texts as they are; the remainder turns red below zero.
    void setTotal(const QString &total, const QString &remaining) override;

    [[nodiscard]] voCheckViewData &tableData() const { return *_ourData; }
    [[nodiscard]] int monthIndex() const { return _monthIndex; }

private:
    void loadMonth();
    void showStillDue(const Decimal &remaining);
    void sizeColumns();
    void startEditing(const QModelIndex &index);
    /// Every tag of the year's notes, for the note editor to complete.
    [[nodiscard]] QStringList yearTags() const;

    std::unique_ptr<Ui::CheckView> _ui;
    DocumentEditing &_edits;
    BudgetDocument &_document;
    Alerts &_alerts;
    const Calendar &_calendar;
    voCheckViewData *_ourData;
    QTableView *_ourTableView = nullptr;
    QLabel *_title = nullptr;
    QLabel *_totalAmount = nullptr;
    QLabel *_remainAmount = nullptr;
    QLabel *_remainTitle = nullptr;
    int _monthIndex = 0;
};
