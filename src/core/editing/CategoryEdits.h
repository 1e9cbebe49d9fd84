#pragma once

#include "EditAnswer.h"
#include "document/TextRules.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>

class BudgetDocument;
class EditingSession;

/// The category rows: create, rename, delete and move. Rows are the budget's
/// rows; categories are the rows from kFirstCategoryRow on.
class CategoryEdits final
{
    Q_DECLARE_TR_FUNCTIONS(CategoryEdits)

public:
    /// A category to create with what it gets each month, as typed (empty
    /// for nothing).
    struct NewCategory
    {
        QString name;
        QString monthlyAmount;
    };

    explicit CategoryEdits(EditingSession &editing);

    /// Appends a category with every month zero. Refused for a name the file
    /// cannot hold or another category has.
    EditAnswer createCategory(const QString &name);
    /// Appends the categories in one step. In envelope mode each amount
    /// becomes the category's envelope in every month; in standard mode the
    /// amounts' sum, when not zero, becomes every month's budget. Refused,
    /// creating none, when a name or an amount is, or two share a name.
    EditAnswer createCategories(const QList<NewCategory> &categories, const QLocale &locale = {});
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
