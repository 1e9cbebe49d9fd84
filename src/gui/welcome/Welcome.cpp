#include "Welcome.h"

#include "CommonCategoriesDialog.h"
#include "WelcomePanel.h"

#include "app/BudgetGridView.h"
#include "app/MainWindow.h"
#include "app/MyDataSource.h"
#include "document/BudgetDocument.h"
#include "editing/DocumentEditing.h"
#include "platform/Alerts.h"

#include <QApplication>

Welcome::Welcome(MyDataSource &dataSource, Alerts &alerts, QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _alerts(alerts)
    , _panel(new WelcomePanel(*dataSource.mainWindow().tableView()))
{
    connect(_panel, &WelcomePanel::commonCategoriesRequested, this, &Welcome::startWithCommonCategories);
    connect(_panel, &WelcomePanel::openRequested, &_dataSource, &MyDataSource::menuOpenFile);
    connect(_panel, &WelcomePanel::importRequested, this, &Welcome::importRequested);
    BudgetDocument &document = _dataSource.document();
    connect(&document, &BudgetDocument::rowsChanged, this, &Welcome::update);
    connect(&document, &BudgetDocument::redisplayRequested, this, &Welcome::update);
    update();
}

void Welcome::startWithCommonCategories()
{
    if (!_dataSource.flushPendingEdits())
        return;
    BudgetDocument &document = _dataSource.document();
    CommonCategoriesDialog dialog(document.isEnvelopeEnabled(), &_dataSource.mainWindow());
    while (dialog.run()) {
        const EditAnswer answer = _dataSource.edits().categories().createCategories(dialog.chosen());
        if (!answer.isRefused())
            break;
        _alerts.warning(answer.message);
    }
    _dataSource.mainWindow().activateWindow();
}

void Welcome::update()
{
    const bool empty = _dataSource.document().categoryCount() <= 0;
    if (empty == !_panel->isHidden())
        return;
    // The focus stays in the window when the button that had it goes.
    const bool hadFocus = _panel->isAncestorOf(QApplication::focusWidget());
    _panel->setVisible(empty);
    if (hadFocus && !empty)
        _dataSource.mainWindow().tableView()->setFocus();
}
