#include "MainWindow.h"

#include "ui_MainMenu.h"

#include <QCloseEvent>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , _ui(std::make_unique<Ui::MainMenu>())
{
    _ui->setupUi(this);
    _ui->actionNew->setShortcuts(QKeySequence::New);
    _ui->actionOpen->setShortcuts(QKeySequence::Open);
    _ui->actionSave->setShortcuts(QKeySequence::Save);
    _ui->actionSaveAs->setShortcuts(QKeySequence::SaveAs);
    _ui->actionQuit->setShortcuts(QKeySequence::Quit);
    _ui->actionPreferences->setShortcuts(QKeySequence::Preferences);
    _ui->menuOpenRecent->menuAction()->setProperty("tag", _ui->menuOpenRecent->property("tag"));
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

QMenu *MainWindow::openRecentMenu() const
{
    return _ui->menuOpenRecent;
}

QList<QAction *> MainWindow::taggedActions() const
{
    return {_ui->actionNew, _ui->actionOpen, _ui->actionSave, _ui->actionSaveAs,
            _ui->menuOpenRecent->menuAction()};
}

int MainWindow::tagOf(const QAction *action)
{
    return action->property("tag").toInt();
}

void MainWindow::setRegisterView(QWidget *view)
{
    _ui->registerLayout->addWidget(view);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (_closeHandler)
        _closeHandler();
}
