#pragma once

#include <QObject>
#include <QString>

class BudgetDocument;
class BudgetGridSource;
class DialogCommands;
class DocumentHost;
class DocumentSafety;
class DocumentSync;
class FileCommands;
class MainWindow;
class Settings;

/// The program's start-up, once the main window is up, and the Quit command,
/// which saves what changed before the program ends. Connects itself to Quit.
class StartupAndQuit final : public QObject
{
    Q_OBJECT

public:
    /// The parts start-up brings into play, in the order it does.
    struct Parts
    {
        Settings &settings;
        BudgetDocument &document;
        DocumentSync &sync;
        DocumentHost &host;
        MainWindow &mainWindow;
        BudgetGridSource &grid;
        FileCommands &files;
        DialogCommands &dialogs;
        DocumentSafety &safety;
    };

    StartupAndQuit(const Parts &parts, QString version, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(StartupAndQuit)

    /// Runs once, with the current file's name read: the mode, About on a
    /// new version, the fixed rows, the tunnel helper, tab 0, title, and the
    /// first load.
    void awakeFromNib();
    /// Saves when the document has changes (asking for a name when there is
    /// none) and ends the program; an unchanged file is left alone. A
    /// refused value or a save that fails leaves the program running with
    /// the document open; after a failed update, when nothing may be saved,
    /// it warns and ends. Asked again while it waits or once it has ended
    /// the program, it does nothing.
    void menuQuit();

signals:
    /// Start-up has finished: the first load is done, a start-up update included.
    void startupFinished();
    /// The quit command has saved: the program should end now.
    void terminateRequested();

private:
    enum class QuitState { NotAsked, Waiting, Ended };

    /// Everything Quit does before the end; false keeps the program running.
    [[nodiscard]] bool saveForQuit();

    Parts _parts;
    QString _version;
    QuitState _quit = QuitState::NotAsked;
};
