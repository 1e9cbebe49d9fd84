#pragma once

#include "EditAnswer.h"
#include "document/TextRules.h"

#include <QCoreApplication>

class BudgetDocument;
class EditingSession;

/// The category rows: create, rename, delete and move. Rows are the budget's
/// rows; categories are the rows from kFirstCategoryRow on.
class CategoryEdits final
{
    Q_DECLARE_TR_FUNCTIONS(CategoryEdits)

public:
    explicit CategoryEdits(EditingSession &editing);

    /// Appends a category with every month zero. Refused for a name the file
    /// cannot hold or another category has.
    EditAnswer createCategory(const QString &name);
    /// Renames the category at `row`; an empty name changes nothing.
    EditAnswer renameCategory(int row, const QString &typed);
    /// Removes the category at `row` with all its entries.
    EditAnswer deleteCategory(int row);
    /// Moves the category at `from` to land before the row at `to`.
    EditAnswer moveCategory(int from, int to);

private:
    [[nodiscard]] CheckedText checkNewName(const QString &typed) const;

    BudgetDocument &_document;
    EditingSession &_editing;
};
