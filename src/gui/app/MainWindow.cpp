#include "MainWindow.h"

#include "CellKeys.h"
#include "ui_MainMenu.h"

#include "document/MonthTables.h"
#include "document/MonthDisplay.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

namespace {

/// The desktop's own keys for a command, and ours where the desktop binds
/// none (Save As, Quit and Preferences are unbound on some desktops).
QList<QKeySequence> keysWithFallback(QKeySequence::StandardKey standard, const QKeySequence &fallback)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    if (!keys.contains(fallback))
        keys.append(fallback);
    return keys;
}

QString keysText(const QAction &action)
{
    return action.shortcut().toString(QKeySequence::NativeText);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , _ui(std::make_unique<Ui::MainMenu>())
{
    _ui->setupUi(this);
    _ui->actionNew->setShortcuts(QKeySequence::New);
    _ui->actionOpen->setShortcuts(QKeySequence::Open);
    _ui->actionSave->setShortcuts(QKeySequence::Save);
    _ui->actionSaveAs->setShortcuts(keysWithFallback(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    _ui->actionQuit->setShortcuts(keysWithFallback(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    _ui->actionPreferences->setShortcuts(keysWithFallback(QKeySequence::Preferences, QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    _ui->actionNewCategory->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    // Not the bare Delete key: that one belongs to the cell being edited.
    _ui->actionDeleteCategory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));

    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        QAction *item = _ui->menuExportMonth->addAction(MonthDisplay::name(month) + QStringLiteral("…"));
        item->setData(month);
        item->setStatusTip(tr("Write the transactions of %1 to a CSV file").arg(MonthDisplay::name(month)));
    }
    _ui->menuOpenRecent->menuAction()->setStatusTip(tr("Open one of the budget files opened last"));
    _ui->menuExport->menuAction()->setStatusTip(tr("Write the budget or a month's transactions to a file"));
    _ui->menuExportMonth->menuAction()->setStatusTip(tr("Write the transactions of a month you choose to a CSV file"));
    _ui->newCategoryButton->setToolTip(
        tr("Add a category at the end of the budget (%1)").arg(keysText(*_ui->actionNewCategory)));
    _ui->deleteCategoryButton->setToolTip(
        tr("Delete the selected category and all its transactions (%1)").arg(keysText(*_ui->actionDeleteCategory)));
    // The buttons are the menu's commands, enabled and run alike.
    connect(_ui->newCategoryButton, &QPushButton::clicked, _ui->actionNewCategory, &QAction::trigger);
    connect(_ui->deleteCategoryButton, &QPushButton::clicked, _ui->actionDeleteCategory, &QAction::trigger);
    _ui->_ourTableView->setToolTip(tr("The budget by month: select a cell and type to change it"));
    _ui->_ourTabView->setTabToolTip(0, tr("The budget grid: the categories by month"));
    _ui->_ourTabView->setTabToolTip(1, tr("The register: the transactions of one month"));
    // Where the menus' status tips are read, and the notes of what happened unasked.
    statusBar()->setAccessibleName(tr("Status bar"));
    statusBar()->setToolTip(tr("What happened to the budget without being asked"));
    _crashProtectionOff = new QLabel(tr("Crash protection is off: the recovery file cannot be written"), this);
    _crashProtectionOff->setObjectName(QStringLiteral("_crashProtectionOff"));
    _crashProtectionOff->setAccessibleName(tr("Crash protection off"));
    _crashProtectionOff->setToolTip(
        tr("A crash now would lose the changes since the last save. Orrinwick tries again after the next change."));
    _crashProtectionOff->hide();
    statusBar()->addPermanentWidget(_crashProtectionOff);
    // The category commands act on the grid: on the register tab they would
    // change rows nobody sees.
    connect(_ui->_ourTabView, &QTabWidget::currentChanged, this, [this](int index) {
        _ui->actionNewCategory->setEnabled(index == 0);
        _ui->actionDeleteCategory->setEnabled(index == 0);
    });
}

MainWindow::~MainWindow() = default;

BudgetGridView *MainWindow::tableView() const
{
    return _ui->_ourTableView;
}

QTabWidget *MainWindow::tabView() const
{
    return _ui->_ourTabView;
}

QAction *MainWindow::action(MenuCommand command) const
{
    switch (command) {
    case MenuCommand::Open:
        return _ui->actionOpen;
    case MenuCommand::New:
        return _ui->actionNew;
    case MenuCommand::SaveAs:
        return _ui->actionSaveAs;
    case MenuCommand::Save:
        return _ui->actionSave;
    case MenuCommand::OpenRecent:
        return _ui->menuOpenRecent->menuAction();
    case MenuCommand::RestoreBackup:
        return _ui->actionRestoreBackup;
    case MenuCommand::ExportGrid:
        return _ui->actionExportGrid;
    case MenuCommand::ExportShownMonth:
        return _ui->actionExportShownMonth;
    case MenuCommand::Quit:
        return _ui->actionQuit;
    case MenuCommand::NewCategory:
        return _ui->actionNewCategory;
    case MenuCommand::DeleteCategory:
        return _ui->actionDeleteCategory;
    case MenuCommand::Preferences:
        return _ui->actionPreferences;
    case MenuCommand::Charts:
        return _ui->actionCharts;
    case MenuCommand::About:
        return _ui->actionAbout;
    }
    return nullptr;
}

QMenu *MainWindow::menu(MainMenuName name) const
{
    switch (name) {
    case MainMenuName::File:
        return _ui->menuFile;
    case MainMenuName::OpenRecent:
        return _ui->menuOpenRecent;
    case MainMenuName::Export:
        return _ui->menuExport;
    case MainMenuName::ExportMonth:
        return _ui->menuExportMonth;
    case MainMenuName::Edit:
        return _ui->menuEdit;
    case MainMenuName::Help:
        return _ui->menuHelp;
    }
    return nullptr;
}

void MainWindow::insertActions(MenuPlace place, const QList<QAction *> &actions)
{
    const auto after = [](QMenu *menu, QAction *item) { return menu->actions().value(menu->actions().indexOf(item) + 1); };
    const auto before = [](QMenu *menu, QAction *item) { return menu->actions().value(menu->actions().indexOf(item) - 1); };
    QMenu *menu = _ui->menuFile;
    QAction *at = nullptr;
    bool separatorBelow = false;
    switch (place) {
    case MenuPlace::FileBeforeOpen:
        at = _ui->actionOpen;
        break;
    case MenuPlace::FileAfterOpenRecent:
        at = after(menu, _ui->menuOpenRecent->menuAction());
        break;
    case MenuPlace::FileBeforeExport:
        at = _ui->menuExport->menuAction();
        break;
    case MenuPlace::FileAfterExport:
        at = after(menu, _ui->menuExport->menuAction());
        break;
    case MenuPlace::EditFirst:
        menu = _ui->menuEdit;
        at = menu->actions().value(0);
        separatorBelow = true;
        break;
    case MenuPlace::EditBeforePreferences:
        menu = _ui->menuEdit;
        at = before(menu, _ui->actionPreferences);
        break;
    case MenuPlace::WindowLast:
        menu = _ui->menuWindow;
        break;
    case MenuPlace::HelpBeforeAbout:
        menu = _ui->menuHelp;
        at = _ui->actionAbout;
        break;
    }
    for (QAction *action : actions) {
        if (action)
            menu->insertAction(at, action);
        else
            menu->insertSeparator(at);
    }
    if (separatorBelow)
        menu->insertSeparator(at);
}

void MainWindow::insertMenuBeforeWindow(QMenu *menu)
{
    menuBar()->insertMenu(_ui->menuWindow->menuAction(), menu);
}

void MainWindow::showGrid()
{
    _ui->_ourTabView->setCurrentIndex(0);
}

void MainWindow::setRegisterView(QWidget *view)
{
    _ui->registerLayout->addWidget(view);
    for (QTableView *table : view->findChildren<QTableView *>())
        CellKeys::install(*table);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (_closeHandler)
        _closeHandler();
}

void MainWindow::showNote(const QString &text)
{
    statusBar()->showMessage(text);
}

void MainWindow::showCrashProtection(bool on)
{
    _crashProtectionOff->setVisible(!on);
}

bool MainWindow::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    // Later, from the event loop: the handler may ask a question, which
    // should not open inside the activation itself.
    if (event->type() == QEvent::WindowActivate && _activationHandler)
        QTimer::singleShot(0, this, _activationHandler);
    return handled;
}
