#include "PendingEdits.h"

#include "BudgetGridView.h"

#include "platform/CountingAlerts.h"
#include "register/ItemEditing.h"
#include "register/voCheckViewCtrl.h"

PendingEdits::PendingEdits(BudgetGridView &grid, voCheckViewCtrl &checkView, const CountingAlerts &alerts)
    : _grid(grid)
    , _checkView(checkView)
    , _alerts(alerts)
{
}

bool PendingEdits::flush()
{
    // Every refusal of a typed value is told: an alert while committing means
    // the user's text did not reach the document.
    const int told = _alerts.count();
    finishEditing(_grid);
    _checkView.commitEditing();
    if (_alerts.count() != told)
        return false;
    _checkView.storeMonth();
    return true;
}
