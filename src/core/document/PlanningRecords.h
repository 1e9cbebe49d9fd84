#pragma once

#include "DocumentExtensions.h"

/// The records that name one of this file's categories in their first
/// field (`carry`, `opening`, `renamed`), kept in step with the categories.
namespace PlanningRecords {

/// Sets the one record of `kind` whose first field is `category` to
/// `category` followed by `fields`, in its place; empty `fields` removes it.
void replaceCategoryRecord(DocumentExtensions &extensions, const QString &kind, const QString &category,
                           const QStringList &fields);
/// The records naming `from` name `to`.
void renameCategory(DocumentExtensions &extensions, const QString &from, const QString &to);
/// The records naming the category go.
void dropCategory(DocumentExtensions &extensions, const QString &name);

} // namespace PlanningRecords
