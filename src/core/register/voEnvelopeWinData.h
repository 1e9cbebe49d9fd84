#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "document/EnvelopeCarry.h"

class BudgetDocument;
class DocumentEditing;

/// The envelope table: one row per category, its name and its envelope
/// amount for one month, edited in place in the document; beside them what
/// the envelope carries in from the month before and how it carries (in
/// January the carried-in amount is the opening amount, typed here).
class voEnvelopeWinData final : public QAbstractTableModel
{
    Q_OBJECT

public:
    /// Identifier of the name column.
    static inline const QString kCategoryId = QStringLiteral("category");
    /// Identifier of the amount column, and key of the amount in the envelope entry.
    static inline const QString kAmountId = QStringLiteral("amount");
    /// The carry column's modes, in its order, with the words the column shows.
    [[nodiscard]] static QList<std::pair<CarryMode, QString>> carryChoices();

    explicit voEnvelopeWinData(DocumentEditing &edits, QObject *parent = nullptr);

    /// Shows month 0–11: the categories in budget order.
    void initData(int month);

    [[nodiscard]] int numberOfRowsInTableView() const { return int(_catKeys.size()); }
    /// The name, or the envelope amount as stored.
    [[nodiscard]] QString objectValueForTableColumn(const QString &columnId, int row) const;
    /// Stores an amount typed into a row through the document's envelope
    /// operation; a refused text says why in editRefused. Answers whether
    /// the document changed.
    bool setObjectValue(const QString &value, const QString &columnId, int row);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    /// A typed value was refused, for the reason given.
    void editRefused(const QString &message);

private:
    enum class Column { Category, Amount, CarriedIn, Carry };
    [[nodiscard]] int month() const;
    [[nodiscard]] bool carries(int row) const;
    [[nodiscard]] QVariant carryData(Column column, int row, int role) const;
    bool setCarryData(Column column, int row, const QString &value);
    [[nodiscard]] static QString columnId(Column column);

    DocumentEditing &_edits;
    BudgetDocument &_document;
    QStringList _catKeys;
    int _month = -1;
};
