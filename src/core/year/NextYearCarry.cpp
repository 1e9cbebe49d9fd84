#include "NextYearCarry.h"

#include "document/BudgetDocument.h"
#include "document/DocumentSnapshot.h"
#include "document/EnvelopeCarry.h"
#include "document/PlanningRecords.h"
#include "editing/DocumentSetup.h"

namespace NextYearCarry {

void addTo(DocumentExtensions &nextYear, const BudgetDocument &thisYear)
{
    const EnvelopeCarry carry(thisYear.extensions());
    if (carry.isEmpty())
        return;
    // December's figures as the envelope mode shows them, whatever mode the window is in.
    BudgetDocument envelopes;
    DocumentSetup::setEnvelopeView(envelopes, true);
    DocumentSetup::setLastYearClosing(envelopes, thisYear.lastYearClosing());
    DocumentSetup::restore(envelopes, DocumentSnapshot::take(thisYear));
    const QList<CategoryRow> &rows = envelopes.getCatArray();
    for (int row = kFirstCategoryRow; row < rows.size(); ++row) {
        const QString &name = rows[row].desc;
        const CarryMode mode = carry.modeOf(name);
        if (mode == CarryMode::None)
            continue;
        PlanningRecords::replaceCategoryRecord(nextYear, ExtensionKind::kCarry, name, {EnvelopeCarry::modeWord(mode)});
        PlanningRecords::replaceCategoryRecord(nextYear, ExtensionKind::kOpening, name,
                                               {rows[row].months[MonthTables::kMonthCount - 1]});
    }
}

} // namespace NextYearCarry
