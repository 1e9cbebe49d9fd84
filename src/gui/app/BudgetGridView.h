#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

#include <functional>

/// The budget grid's table: asks before an edit begins (a Budget-row cell
/// may open the envelope editor instead), and drags rows under the private
/// type, leaving the move to the drop.
///
/// Mouse: a press and move on any cell of a category row drags the row, also
/// the press that completes a double click; a double click, or a click on the
/// name of the selected category, without movement edits the name.
///
/// Keyboard: the arrows move over every cell; Tab and Shift+Tab visit the
/// cells the user can change (the Budget row's months, then the category
/// names) and leave the grid after the last one; Enter or F2 edits the
/// current cell. In an editor, Tab commits and edits the next cell of the
/// same kind: the next month of the Budget row, or the next category name.
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
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    /// The next (or previous) editable cell after `from` in reading order;
    /// with `sameKind` only along the Budget row or down the name column.
    [[nodiscard]] QModelIndex nextEditable(const QModelIndex &from, bool forward, bool sameKind) const;

    EditCheck _editCheck;
    bool _leavingEditor = false;
    /// The name a double click pressed on, edited at the release unless the
    /// mouse moved far enough to drag the row instead.
    QPersistentModelIndex _nameToEditOnRelease;
    QPoint _doubleClickAt;
};
