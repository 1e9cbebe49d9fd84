#include "RecurringRename.h"

#include "RecurringTransaction.h"
#include "document/DocumentExtensions.h"

namespace RecurringRename {

void renameCategory(DocumentExtensions &extensions, const QString &from, const QString &to)
{
    QList<ExtensionRecord> records = extensions.recordsOf(ExtensionKind::kRecurring);
    bool renamed = false;
    for (ExtensionRecord &record : records) {
        if (record.fields.size() == RecurringField::Count && record.fields[RecurringField::Category] == from) {
            record.fields[RecurringField::Category] = to;
            renamed = true;
        }
    }
    if (renamed)
        extensions.replaceKind(ExtensionKind::kRecurring, records);
}

} // namespace RecurringRename
