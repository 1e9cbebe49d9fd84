#pragma once

#include "document/Decimal.h"
#include "document/RegisterRecord.h"
#include "recurring/RecurringMarks.h"
#include "splits/MonthSplits.h"
#include "editing/CheckedOutMonth.h"
#include "editing/EditAnswer.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QList>
#include <QStringList>

class BudgetDocument;
class DocumentEditing;
class CheckViewHost;

inline const QString kInitialDay = QStringLiteral("1");
inline const QString kInitialNote = QString();
inline const QString kInitialDescription = QStringLiteral("Unknown");

/// The register's data: the transactions of one month of every category as
/// one working list, which reaches the document only when the month is
/// written back, and only when it changed. Edits go through the document's
/// record operations, which check them and record them for undo. Also keeps the category names for
/// the category column and the month's budget and remaining figures.
///
/// The table's selection lives in selectionModel(), which the register table
/// shares, so the commands that act on selected rows work without a view.
class voCheckViewData final : public QAbstractTableModel, public CheckedOutMonth
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(voCheckViewData)

public:
    /// Sort methods, as sortByMethod() takes them.
    enum SortMethod { kSortByDay, kSortByCategory, kSortByAmount, kSortByDesc, kSortByNote };

    voCheckViewData(DocumentEditing &edits, CheckViewHost &window, QObject *parent = nullptr);
    ~voCheckViewData() override;

    /// The column identifiers in table order: "reconciled", "day", "desc",
    /// "category", "amount", "note". A new record is edited in column 1.
    [[nodiscard]] static const QStringList &columnIds();
    /// The sort method a click on the column's header selects, or -1.
    [[nodiscard]] static int sortMethodForColumn(QStringView columnId);

    [[nodiscard]] QItemSelectionModel *selectionModel() { return &_selection; }

    /// The month now loaded, or a null text when none is.
    [[nodiscard]] QString getMonthId() const;
    /// Loads the booked items of every category for the month, in budget
    /// order, then sorts them by the method last used.
    void loadMonthData(const QString &monthId);
    /// The same for month 0–11.
    void loadMonth(int month);
    /// Writes the month back when it changed (each category's items after
    /// its envelope entry replaced by the records in register order), then
    /// unloads it.
    void storeAndReleaseMonthData();
    /// Sorts the working list ascending by one of the SortMethod keys; the
    /// selection stays on the same row numbers.
    void sortByMethod(int method);
    /// Refills the category names from the budget, in budget order.
    void reloadCategoryList();
    /// Tells the window the month's budget and budget minus every amount
    /// (a sum kept up to date by every change, not added up again).
    void updateTotals();
    /// The category of the last register record described exactly `desc`,
    /// else of the first stored entry so described in the earlier months
    /// (latest month first), else the first category.
    [[nodiscard]] QString categoryFromDesc(const QString &desc) const;
    /// Appends a record and asks the table to edit its day; refused when
    /// the budget has no category.
    EditAnswer addData();
    /// Deletes the selected records.
    void delData();
    /// Deletes the records at the rows.
    void deleteRows(const QList<int> &rows);
    /// Copies the selected records into the next month's stored lists.
    EditAnswer carryOverData();

    [[nodiscard]] int numberOfRowsInTableView() const { return int(_monthData.size()); }
    /// The record's text under the column identifier; for "reconciled" 1 when
    /// reconciled and 0 otherwise.
    [[nodiscard]] QVariant objectValueForTableColumn(const QString &column, int row) const;
    /// Applies an edit. Day, amount, description, note and category are
    /// checked first: refused text leaves the record as it was and says why
    /// in editRefused (false). For "reconciled", "R" checks the box and
    /// anything else clears it.
    bool setObjectValue(const QString &value, const QString &column, int row);

    /// The splits among the month's records.
    [[nodiscard]] const MonthSplits &splits() const;
    /// Whether the description's display shows a recurring transaction's mark.
    static constexpr int kRecurringRole = Qt::UserRole + 1;

    /// The names the category column offers.
    [[nodiscard]] const QStringList &categoryList() const { return _categorySelect; }
    [[nodiscard]] const RegisterRecord &record(int row) const { return _monthData.at(row); }

    // CheckedOutMonth.
    [[nodiscard]] int heldMonth() const override;
    [[nodiscard]] int recordCount() const override { return numberOfRowsInTableView(); }
    [[nodiscard]] const RegisterRecord &recordAt(int row) const override { return _monthData.at(row); }
    [[nodiscard]] int rowOfRecord(quint64 id) const override;
    void replaceRecord(int row, const RegisterRecord &record) override;
    void insertRecord(int row, const RegisterRecord &record) override;
    void removeRecord(int row) override;
    void amountsChanged() override { updateTotals(); }
    void writeBack() override;
    void reload() override;
    [[nodiscard]] bool isDirty() const { return _dirty; }
    [[nodiscard]] int sortMethod() const { return _sortMethod; }
    [[nodiscard]] QString lastDayEntered() const { return _lastDayEntered; }
    /// The selected row numbers, ascending.
    [[nodiscard]] QList<int> selectedRows() const;
    /// The first row holding the category's item with exactly these values, or -1.
    [[nodiscard]] int rowOfRecord(const QString &category, const Entry &entry) const;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

signals:
    /// The table should start editing this cell with its text selected.
    void editRequested(const QModelIndex &index);
    /// A typed value was refused, for the reason given.
    void editRefused(const QString &message);

private:
    [[nodiscard]] static RecordField fieldOf(int column) { return RecordField(column); }
    void sortRecords();
    void selectOnly(int row);
    void emitRowChanged(int row);
    /// The parts of each split next to each other, where the first of them sorted.
    void groupSplits();

    CheckViewHost &_ourWindow;
    QItemSelectionModel _selection{this};
    QStringList _categorySelect;
    DocumentEditing &_edits;
    BudgetDocument &_mainDataSrc;
    /// The month loaded, 0–11, or -1.
    int _month = -1;
    QList<RegisterRecord> _monthData;
    /// The records of the month that came from a recurring transaction.
    RecurringMarks _recurringMarks;
    /// The month's splits, worked out again after a change.
    mutable std::optional<MonthSplits> _splits;
    Decimal _spent; // the sum of the records' amounts, kept as they change
    QString _lastDayEntered = kInitialDay;
    int _sortMethod = kSortByDay;
    bool _dirty = false;
};
