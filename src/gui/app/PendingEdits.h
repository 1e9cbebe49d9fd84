#pragma once

#include <QtGlobal>

class BudgetGridView;
class CountingAlerts;
class voCheckViewCtrl;

/// What the views hold that the document does not have yet: a cell being
/// edited in the grid or the register, and the register's month, which it
/// works on as a copy. Every command that reads, saves or leaves the whole
/// document flushes these first, whichever tab is shown.
class PendingEdits final
{
public:
    PendingEdits(BudgetGridView &grid, voCheckViewCtrl &checkView, const CountingAlerts &alerts);
    Q_DISABLE_COPY_MOVE(PendingEdits)

    /// Commits an open editor in either view and writes the register's month
    /// back into the document (it stays shown). Answers false when a typed
    /// value was refused: the user has been told why, and the command that
    /// asked stops there.
    [[nodiscard]] bool flush();

private:
    BudgetGridView &_grid;
    voCheckViewCtrl &_checkView;
    const CountingAlerts &_alerts;
};
