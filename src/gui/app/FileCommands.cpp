#include "FileCommands.h"

#include "MainWindow.h"
#include "PendingEdits.h"
#include "UndoHistory.h"

#include "document/NumberText.h"
#include "platform/Alerts.h"
#include "platform/FilePanels.h"
#include "platform/RecentFileList.h"
#include "safety/DocumentSafety.h"
#include "sync/DocumentHost.h"
#include "sync/DocumentSync.h"

#include <QAction>
#include <QMenu>
#include <QFileInfo>
#include <QScopedValueRollback>

FileCommands::FileCommands(DocumentSync &sync, DocumentHost &host, FilePanels &filePanels, RecentFileList &recents,
                           MainWindow &mainWindow, PendingEdits &pending, UndoHistory &history, DocumentSafety &safety,
                           Alerts &alerts, QObject *parent)
    : QObject(parent)
    , _sync(sync)
    , _host(host)
    , _filePanels(filePanels)
    , _recents(recents)
    , _mainWindow(mainWindow)
    , _pending(pending)
    , _history(history)
    , _safety(safety)
    , _alerts(alerts)
    , _changedOnDisk(safety, alerts)
{
    connect(_mainWindow.action(MenuCommand::New), &QAction::triggered, this, &FileCommands::menuNewFile);
    connect(_mainWindow.action(MenuCommand::Open), &QAction::triggered, this, &FileCommands::menuOpenFile);
    connect(_mainWindow.action(MenuCommand::Save), &QAction::triggered, this, &FileCommands::menuSave);
    connect(_mainWindow.action(MenuCommand::SaveAs), &QAction::triggered, this, &FileCommands::menuSaveAs);
    connect(_mainWindow.menu(MainMenuName::File), &QMenu::aboutToShow, this, &FileCommands::validateMenuItems);
    connect(_mainWindow.menu(MainMenuName::OpenRecent), &QMenu::aboutToShow, this, &FileCommands::fillRecentMenu);
    connect(&_sync, &DocumentSync::updateHandled, this, &FileCommands::validateMenuItems);
}

bool FileCommands::flushToGrid()
{
    if (!_pending.flush())
        return false;
    _mainWindow.showGrid();
    return true;
}

std::optional<QString> FileCommands::promptUserFileName()
{
    const std::optional<QString> location
        = _filePanels.runSavePanel(&_mainWindow, tr("Enter File / Path for new File"), {});
    if (!location)
        return std::nullopt;
    return NumberText::URLToFilePath(*location);
}

void FileCommands::menuSave()
{
    if (!flushToGrid())
        return;
    (void)saveToFile(_host.dataFileName(), false);
}

void FileCommands::menuSaveAs()
{
    if (!flushToGrid())
        return;
    (void)saveAs();
}

FileCommands::SaveAsResult FileCommands::saveAs()
{
    const std::optional<QString> path = promptUserFileName();
    if (!path)
        return SaveAsResult::Cancelled;
    // Refused over a file another program has open: the user may still
    // choose another name, so Quit does not end unsaved.
    if (!_safety.mayOpen(*path) || !saveToFile(*path, false))
        return SaveAsResult::Failed;
    _host.setFileName(*path);
    return SaveAsResult::Saved;
}

void FileCommands::menuNewFile()
{
    if (!flushToGrid())
        return;
    if (const std::optional<QString> newPath = promptUserFileName())
        newFileAt(*newPath, [] {});
}

void FileCommands::newFileAt(const QString &path, const std::function<void()> &fill)
{
    if (!_safety.mayOpen(path))
        return;
    // The document being left is saved (and committed) under its own name
    // first; when that fails nothing is thrown away.
    if (!saveIfChanged(true))
        return;
    _safety.closing();
    _sync.newDocument();
    fill();
    _host.setFileName(path);
    // The new document is the new file's even when it could not be written
    // yet: its changes must not be recovered as the file left.
    if (!saveToFile(path, false))
        _safety.opened(path);
    _host.initView();
    _history.clear();
}

void FileCommands::menuOpenFile()
{
    if (!flushToGrid())
        return;
    const std::optional<QString> location = _filePanels.runOpenPanel(&_mainWindow);
    if (!location)
        return;
    openInstead(NumberText::URLToFilePath(*location));
}

bool FileCommands::openFile(const QString &path, bool withOptionSync)
{
    _sync.whenUpdateHandled([this, path, withOptionSync] {
        if (path == _host.dataFileName())
            return;
        if (!flushToGrid())
            return;
        if (_sync.fileOperationsAllowed())
            openInstead(path, withOptionSync);
    });
    return true;
}

void FileCommands::openInstead(const QString &path, bool withOptionSync)
{
    if (!_safety.mayOpen(path))
        return;
    // The document being left is saved (and committed) first; when that
    // fails it stays open.
    if (!saveIfChanged(true))
        return;
    _safety.closing();
    _host.setFileName(path);
    loadFromFile(path, withOptionSync, false);
}

void FileCommands::loadFromFile(const QString &path, bool withOptionSync, bool detach)
{
    _sync.loadFromFile(path, withOptionSync, detach);
    _history.clear();
    // An update that loaded nothing leaves the name but not the file's
    // contents: changes to that document must never be recovered as the file's.
    _sync.whenUpdateHandled([this] { _safety.opened(_sync.fileLoaded() ? _host.dataFileName() : QString()); });
}

bool FileCommands::saveToFile(const QString &path, bool withOptionSync)
{
    DiskVersion &disk = _sync.diskVersion();
    if (!_answering && !path.isEmpty() && path == disk.path() && !_sync.running()
        && disk.changedSince(DiskVersion::Look::Thorough)) {
        const QScopedValueRollback answering(_answering, true);
        switch (_changedOnDisk.resolve(path, unsaved())) {
        case ChangedOnDisk::Next::Reload:
            reload(path);
            return true;
        case ChangedOnDisk::Next::Stay:
            return false;
        case ChangedOnDisk::Next::Save:
            break;
        }
    }
    return write(path, withOptionSync);
}

bool FileCommands::saveIfChanged(bool withOptionSync)
{
    return !unsaved() || saveToFile(_host.dataFileName(), withOptionSync);
}

bool FileCommands::unsaved() const
{
    return !_history.stack().isClean();
}

void FileCommands::checkDisk()
{
    DiskVersion &disk = _sync.diskVersion();
    if (_answering || _sync.running() || !_sync.fileCommandsEnabled() || disk.path() != _host.dataFileName()
        || !disk.changedSince(DiskVersion::Look::Quick))
        return;
    const QScopedValueRollback answering(_answering, true);
    if (!flushToGrid())
        return;
    const QString path = disk.path();
    switch (_changedOnDisk.resolve(path, unsaved())) {
    case ChangedOnDisk::Next::Reload:
        reload(path);
        break;
    case ChangedOnDisk::Next::Save:
        (void)write(path, false);
        break;
    case ChangedOnDisk::Next::Stay:
        break;
    }
}

void FileCommands::reload(const QString &path)
{
    loadFromFile(path, false, false);
    if (_sync.fileLoaded())
        _mainWindow.showNote(ChangedOnDisk::reloadedNote(path));
}

bool FileCommands::write(const QString &path, bool withOptionSync)
{
    // The file as it was goes to the backups first; a backup that cannot be
    // written stops the save.
    if (!_safety.aboutToSave(path))
        return false;
    if (!_sync.saveToFile(path, withOptionSync))
        return false;
    _safety.saved(path);
    _history.stack().setClean();
    return true;
}

void FileCommands::offerMissingFile(const QString &path)
{
    const Alerts::Button answer = _alerts.show(
        {Alerts::Kind::Warning, tr("File Not Found"),
         tr("%1 is not there.\n\nIt may be on a drive or a network share that is not connected yet. Orrinwick "
            "keeps its name and looks for it again at the next start.")
             .arg(path),
         {{Alerts::Button::Action, tr("Try Again")},
          {Alerts::Button::OtherAction, tr("Choose Another…")},
          {Alerts::Button::Cancel}},
         // Nothing is lost by waiting; a run nobody answers must not try forever.
         Alerts::Button::Cancel});
    if (answer == Alerts::Button::Action)
        openFile(path);
    else if (answer == Alerts::Button::OtherAction)
        menuOpenFile();
}

bool FileCommands::validateMenuItem(MenuCommand command) const
{
    switch (command) {
    case MenuCommand::Open:
    case MenuCommand::New:
    case MenuCommand::SaveAs:
    case MenuCommand::OpenRecent:
        return _sync.fileCommandsEnabled();
    case MenuCommand::Save:
    case MenuCommand::RestoreBackup:
        return !_host.dataFileName().isEmpty() && _sync.fileCommandsEnabled();
    default:
        return true;
    }
}

void FileCommands::validateMenuItems()
{
    for (MenuCommand command : {MenuCommand::New, MenuCommand::Open, MenuCommand::OpenRecent, MenuCommand::Save,
                                MenuCommand::SaveAs, MenuCommand::RestoreBackup})
        _mainWindow.action(command)->setEnabled(validateMenuItem(command));
}

void FileCommands::fillRecentMenu()
{
    QMenu *menu = _mainWindow.menu(MainMenuName::OpenRecent);
    menu->clear();
    for (const QString &path : _recents.paths()) {
        QAction *item = menu->addAction(QFileInfo(path).fileName(), this, [this, path] { openFile(path); });
        item->setToolTip(path);
        item->setStatusTip(path);
    }
    if (menu->isEmpty()) {
        QAction *none = menu->addAction(tr("No Recent Files"));
        none->setEnabled(false);
        none->setStatusTip(tr("No budget file was opened yet"));
        return;
    }
    menu->addSeparator();
    menu->addAction(tr("Clear Menu"), this, [this] { _recents.clear(); })
        ->setStatusTip(tr("Forget the files listed here; the files stay as they are"));
}
