#pragma once

#include <QTableView>

#include <functional>

/// The budget grid's table: asks before an edit begins (a Budget-row cell
/// may open the envelope editor instead), and drags rows under the private
/// type, leaving the move to the drop.
class BudgetGridView final : public QTableView
{
    Q_OBJECT

public:
    /// Answers whether the cell at (column, row) may enter in-place editing.
    using EditCheck = std::function<bool(int column, int row)>;

    explicit BudgetGridView(QWidget *parent = nullptr);

    using QTableView::edit;

    void setEditCheck(EditCheck check) { _editCheck = std::move(check); }
    /// Whether a cell is in in-place editing.
    [[nodiscard]] bool isEditing() const { return state() == EditingState; }
    /// Sets the widths once the model is in place: a wide name column, the
    /// figures as wide as six digits and a sign need.
    void fitColumns();

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    EditCheck _editCheck;
};
