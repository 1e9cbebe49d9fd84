#pragma once

#include <QObject>
#include <QString>

class BudgetGridSource;
class MainWindow;
class Settings;

/// The Preferences and About commands: opens each window modally over the
/// main window; once the preferences close, the grid follows the mode they
/// leave. Connects itself to the main window's actions.
class DialogCommands final : public QObject
{
    Q_OBJECT

public:
    DialogCommands(Settings &settings, MainWindow &mainWindow, BudgetGridSource &grid, QString version,
                   QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(DialogCommands)

    void openPrefsPanel();
    void openAboutPanel();

private:
    Settings &_settings;
    MainWindow &_mainWindow;
    BudgetGridSource &_grid;
    QString _version;
};
