#include "StartupAndQuit.h"

#include "BudgetGridSource.h"
#include "BudgetGridView.h"
#include "DialogCommands.h"
#include "FileCommands.h"
#include "MainWindow.h"

#include "document/BudgetDocument.h"
#include "platform/Settings.h"
#include "sync/DocumentHost.h"
#include "sync/DocumentSync.h"
#include "safety/DocumentSafety.h"

StartupAndQuit::StartupAndQuit(const Parts &parts, QString version, QObject *parent)
    : QObject(parent)
    , _parts(parts)
    , _version(std::move(version))
{
    connect(_parts.mainWindow.action(MenuCommand::Quit), &QAction::triggered, this, &StartupAndQuit::menuQuit);
}

void StartupAndQuit::awakeFromNib()
{
    Settings &settings = _parts.settings;
    _parts.grid.setEnvelopeView(settings.envelopeView());
    if (settings.currentVersion() != _version) {
        settings.setValue(Settings::kCurrentVersion, _version);
        _parts.dialogs.openAboutPanel();
    }
    _parts.sync.launchTunnelHelper();
    _parts.mainWindow.showGrid();
    const QString dataFileName = _parts.host.dataFileName();
    _parts.mainWindow.setWindowTitle(dataFileName);
    _parts.mainWindow.tableView()->setAcceptDrops(true);
    _parts.files.loadFromFile(dataFileName, true, true);
    _parts.files.validateMenuItems();
    _parts.sync.whenUpdateHandled([this] { emit startupFinished(); });
}

void StartupAndQuit::menuQuit()
{
    // Quit can be asked twice before the start-up update ends (the menu, the
    // window's close control, the session's end); it saves once.
    if (_quit != QuitState::NotAsked)
        return;
    _quit = QuitState::Waiting;
    _parts.sync.whenUpdateHandled([this] {
        _quit = saveForQuit() ? QuitState::Ended : QuitState::NotAsked;
        if (_quit == QuitState::Ended)
            emit terminateRequested();
    });
}

bool StartupAndQuit::saveForQuit()
{
    if (!_parts.files.flushToGrid())
        return false;
    // Nothing can be saved once file operations are locked: the program
    // warns and ends all the same, its last changes in the recovery file.
    if (!_parts.sync.fileOperationsAllowed()) {
        _parts.safety.closing();
        return true;
    }
    // An unchanged file is left as it is: no backup, no commit.
    if (!_parts.files.unsaved()) {
        _parts.safety.closing();
        return true;
    }
    // A Save As that was cancelled ends the program unsaved, as the user
    // chose; one that could not write keeps it running.
    if (_parts.host.dataFileName().isEmpty() && _parts.files.saveAs() == FileCommands::SaveAsResult::Failed)
        return false;
    // Any other failed write keeps the document open.
    if (!_parts.files.saveToFile(_parts.host.dataFileName(), true))
        return false;
    _parts.safety.closing();
    return true;
}
