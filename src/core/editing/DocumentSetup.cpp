#include "DocumentSetup.h"

#include "document/DocumentWriter.h"

namespace DocumentSetup {

void setEnvelopeView(BudgetDocument &document, bool on) { DocumentWriter(document).setEnvelopeView(on); }

void setLastYearClosing(BudgetDocument &document, const std::unordered_map<QString, QString> &figures)
{
    DocumentWriter(document).setLastYearClosing(figures);
}

void restore(BudgetDocument &document, const DocumentSnapshot &snapshot) { DocumentWriter(document).restore(snapshot); }

void eraseAllData(BudgetDocument &document) { DocumentWriter(document).eraseAllData(); }

} // namespace DocumentSetup
