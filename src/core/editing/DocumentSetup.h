#pragma once

#include <QString>

#include <unordered_map>

class BudgetDocument;
struct DocumentSnapshot;

/// Changes that set a document up rather than edit it: how its figures are
/// shown, and what it holds when a file, a backup or a preview is opened.
/// None is an undo step.
namespace DocumentSetup {

/// Shows the figures in envelope mode or not; they follow at once.
void setEnvelopeView(BudgetDocument &document, bool on);
/// Last year's December figures that January carries in from, under this
/// year's names; the figures follow when they changed.
void setLastYearClosing(BudgetDocument &document, const std::unordered_map<QString, QString> &figures);
/// Makes the document hold the snapshot's data, recomputed in its present mode.
void restore(BudgetDocument &document, const DocumentSnapshot &snapshot);
/// Empties the document down to the three fixed rows and zero budgets.
void eraseAllData(BudgetDocument &document);

} // namespace DocumentSetup
