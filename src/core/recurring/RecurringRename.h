#pragma once

#include <QString>

class DocumentExtensions;

/// The recurring transactions follow their category when it is renamed.
namespace RecurringRename {

/// The records of category `from` name `to`; broken lines stay as they are.
void renameCategory(DocumentExtensions &extensions, const QString &from, const QString &to);

} // namespace RecurringRename
