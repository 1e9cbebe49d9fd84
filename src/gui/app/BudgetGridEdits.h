#pragma once

#include <QList>
#include <QString>

class QMimeData;

/// What the budget grid's model hands on: the edits, drags and drops of its
/// cells. The model reads the document itself; changes go through here only.
class BudgetGridEdits
{
public:
    virtual ~BudgetGridEdits() = default;

    /// Commits an edit; answers whether the document changed.
    virtual bool setObjectValue(const QString &value, const QString &columnId, int row) = 0;
    /// Puts the dragged rows on the pasteboard; false refuses the drag.
    virtual bool writeRowsWithIndexes(const QList<int> &rows, QMimeData &pasteboard) const = 0;
    /// Whether rows may be dropped before `proposedRow`.
    [[nodiscard]] virtual bool validateDrop(int proposedRow) const = 0;
    /// Moves the dragged rows to `row`; answers whether anything moved.
    virtual bool acceptDrop(const QMimeData &pasteboard, int row) = 0;
};
