#include "DesktopHabits.h"

#include "BudgetGridView.h"
#include "MainWindow.h"
#include "MyDataSource.h"

#include "platform/FileDropHandler.h"
#include "platform/Settings.h"
#include "register/voCheckViewCtrl.h"

#include <QHeaderView>
#include <QTableView>

DesktopHabits::DesktopHabits(MyDataSource &dataSource, Settings &settings)
    : _layout(settings, dataSource.mainWindow())
    , _drops(new FileDropHandler(dataSource.mainWindow()))
{
    _layout.addHeader(Settings::kGridColumns, *dataSource.mainWindow().tableView()->horizontalHeader());
    if (auto *registerTable = dataSource.checkView().findChild<QTableView *>(QStringLiteral("_ourTableView")))
        _layout.addHeader(Settings::kRegisterColumns, *registerTable->horizontalHeader());
    _layout.restore();

    // Kept as the quit command leaves the window, before the program ends.
    connect(&dataSource, &MyDataSource::terminateRequested, this, [this] { _layout.save(); });
    connect(_drops, &FileDropHandler::budgetFileDropped, &dataSource, &MyDataSource::openFile);
}
