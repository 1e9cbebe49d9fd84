#pragma once

#include "import/ImportPlan.h"

#include <QAbstractTableModel>

/// The preview of an import as a table: a tick per line, its date,
/// description, amount (as spending), category and state. The tick and
/// the category can be changed; the plan decides what is allowed.
class ImportPreviewModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImportPreviewModel)

public:
    enum class Column { Tick, Date, Description, Amount, Category, State };
    static constexpr int kColumnCount = 6;

    explicit ImportPreviewModel(QObject *parent = nullptr);

    /// Shows another plan (another year, mapping or date order): a reset.
    void setPlan(ImportPlan plan);
    [[nodiscard]] const ImportPlan &plan() const { return _plan; }

    /// Splits the line in `row`, or puts it back whole (ImportPlan::setParts);
    /// the refusal's text, or empty when done.
    QString setParts(int row, const QList<PlannedPart> &parts, const QLocale &locale = {});

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

signals:
    /// The user ticked, unticked, split or gave a category to the line in this row.
    void lineEdited(int row);

private:
    [[nodiscard]] static Column column(const QModelIndex &index) { return Column(index.column()); }
    [[nodiscard]] static QString sourceText(CategorySource source);

    ImportPlan _plan;
};
