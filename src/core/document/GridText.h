#pragma once

#include "CategoryRow.h"

#include <QStringList>

/// The grid's fourteen column identifiers: "desc", "jan" … "dec", "average".
[[nodiscard]] const QStringList &gridColumnIds();

/// What the grid shows for a cell: names, the separator row and the
/// averages of the fixed rows as stored; every other cell as whole currency
/// units (roundCurrency).
[[nodiscard]] QString gridDisplayText(const CategoryRow &row, int rowIndex, QStringView columnId);
