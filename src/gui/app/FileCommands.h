#pragma once

#include "ChangedOnDisk.h"
#include "MenuCommand.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Alerts;
class DocumentHost;
class DocumentSafety;
class DocumentSync;
class FilePanels;
class MainWindow;
class PendingEdits;
class RecentFileList;
class UndoHistory;

/// The File menu's document commands: New, Open, Open Recent, Save and Save
/// As, and the desktop's requests to open a file. Each flushes what the views
/// hold first, saves the document being left under its own name when it has
/// changes, and keeps the menu's commands enabled only while they can work.
/// Before a save replaces the open file, and whenever the window becomes
/// active, it looks whether another program changed the file (ChangedOnDisk).
/// Connects itself to the main window's actions.
class FileCommands final : public QObject
{
    Q_OBJECT

public:
    /// How a Save As ended.
    enum class SaveAsResult { Saved, Cancelled, Failed };

    FileCommands(DocumentSync &sync, DocumentHost &host, FilePanels &filePanels, RecentFileList &recents,
                 MainWindow &mainWindow, PendingEdits &pending, UndoHistory &history, DocumentSafety &safety,
                 Alerts &alerts, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FileCommands)

    void menuOpenFile();
    void menuNewFile();
    /// Commits whatever a view still holds and shows the grid, as every file
    /// command begins; false when a held value was refused.
    [[nodiscard]] bool flushToGrid();
    /// New on a path already chosen (the caller flushed first): saves (and
    /// commits) the document being left when it has changes, empties it, lets `fill` put in what the new one starts with, and
    /// saves that at the path. Nothing changes when the old one cannot be saved, or when another program
    /// has the new file open and the user keeps it.
    void newFileAt(const QString &path, const std::function<void()> &fill);
    void menuSave();
    void menuSaveAs();
    /// Asks for a path and writes the document there. Only a file written
    /// becomes the current one: after a failure the old name stays. A file
    /// another program has open is written only when the user says so; when
    /// not, that is a failure.
    SaveAsResult saveAs();
    /// A desktop request to open a file (also Open Recent and the command
    /// line); a file outside any working copy (a copy of the sample) opens
    /// without the Subversion update.
    bool openFile(const QString &path, bool withOptionSync = true);
    /// Asks for a new file's path; nothing when the user cancelled.
    [[nodiscard]] std::optional<QString> promptUserFileName();

    /// Loads the file (through an update when asked and on); the undo history starts afresh.
    void loadFromFile(const QString &path, bool withOptionSync, bool detach);
    /// Writes the document to the path. When the path is the open file and
    /// another program changed it, the document is reloaded instead or saved
    /// over it as ChangedOnDisk says; a reload answers true (the file holds
    /// the document).
    [[nodiscard]] bool saveToFile(const QString &path, bool withOptionSync);
    /// Saves the open file, as saveToFile(), only when the document has
    /// changes it does not hold: Quit, Open and New leave an unchanged file
    /// alone (no backup, no commit).
    [[nodiscard]] bool saveIfChanged(bool withOptionSync);
    /// Whether the document has changes that its file does not hold.
    [[nodiscard]] bool unsaved() const;
    /// Looks whether another program changed the open file and, when it did,
    /// reloads it or saves over it as ChangedOnDisk says. The window calls
    /// this when it becomes active.
    void checkDisk();

    /// The file to load was not there (a share not mounted yet, a drive not
    /// plugged in): asks whether to try again or open another one; Cancel
    /// leaves the budget empty and the name remembered for the next start.
    void offerMissingFile(const QString &path);

    /// Whether the command can run now: the file commands while file
    /// operations are allowed, Save and Restore from Backup only with a
    /// current file; any other command always.
    [[nodiscard]] bool validateMenuItem(MenuCommand command) const;
    /// Enables the File menu's commands as validateMenuItem() answers.
    void validateMenuItems();

private:
    void fillRecentMenu();
    /// Leaves the open file for the one at `path`: asks when another program
    /// has it open, saves the one being left, loads the other.
    void openInstead(const QString &path, bool withOptionSync = true);
    void reload(const QString &path);
    [[nodiscard]] bool write(const QString &path, bool withOptionSync);

    DocumentSync &_sync;
    DocumentHost &_host;
    FilePanels &_filePanels;
    RecentFileList &_recents;
    MainWindow &_mainWindow;
    PendingEdits &_pending;
    UndoHistory &_history;
    DocumentSafety &_safety;
    Alerts &_alerts;
    ChangedOnDisk _changedOnDisk;
    /// A change on disk is being answered: the save it leads to does not ask again.
    bool _answering = false;
};
