#include "DialogCommands.h"

#include "BudgetGridSource.h"
#include "MainWindow.h"

#include "dialogs/voAboutWinCtrl.h"
#include "dialogs/voPrefWindowCtrl.h"
#include "platform/Settings.h"

DialogCommands::DialogCommands(Settings &settings, MainWindow &mainWindow, BudgetGridSource &grid, QString version,
                               QObject *parent)
    : QObject(parent)
    , _settings(settings)
    , _mainWindow(mainWindow)
    , _grid(grid)
    , _version(std::move(version))
{
    connect(_mainWindow.action(MenuCommand::Preferences), &QAction::triggered, this, &DialogCommands::openPrefsPanel);
    connect(_mainWindow.action(MenuCommand::About), &QAction::triggered, this, &DialogCommands::openAboutPanel);
}

void DialogCommands::openPrefsPanel()
{
    voPrefWindowCtrl prefs(_settings, &_mainWindow);
    prefs.showFromTitleBar(&_mainWindow, true);
    prefs.startModal();
    _grid.setEnvelopeView(_settings.envelopeView());
    _grid.updateView();
}

void DialogCommands::openAboutPanel()
{
    voAboutWinCtrl about(&_mainWindow);
    about.showFromTitleBar(&_mainWindow, true);
    about.setTitle(voAboutWinCtrl::kPublisherName, voAboutWinCtrl::aboutMessage(_version));
    about.startModal();
}
