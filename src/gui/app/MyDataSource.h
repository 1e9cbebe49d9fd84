#pragma once

#include "FileCommands.h"

#include "sync/DocumentHost.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class Alerts;
class BudgetDocument;
class DocumentEditing;
struct DocumentSnapshot;
class DocumentSafety;
class BudgetGridModel;
class BudgetGridSource;
class BudgetGridView;
class Calendar;
class CountingAlerts;
class DialogCommands;
class DocumentSync;
class FilePanels;
class MainWindow;
class PendingEdits;
class QTabWidget;
class RecentFileList;
class Settings;
class StartupAndQuit;
class UndoHistory;
class voCheckViewCtrl;

/// The application controller: owns the document, its file sync, the main
/// window and the parts that work on them, and wires them together. The
/// work itself is done by the parts (start-up and quit, file commands, the
/// grid's data source, the dialogs); their operations are reached here under
/// their usual names. Exactly one exists while the program runs.
class MyDataSource final : public QObject, public DocumentHost
{
    Q_OBJECT

public:
    /// The desktop and system services it works through; tests pass doubles.
    struct Services
    {
        Settings &settings;
        Alerts &alerts;
        FilePanels &filePanels;
        const Calendar &calendar;
        RecentFileList &recents;
    };

    explicit MyDataSource(const Services &services, QObject *parent = nullptr);
    ~MyDataSource() override;
    Q_DISABLE_COPY_MOVE(MyDataSource)

    [[nodiscard]] static MyDataSource *getMyDataSource();

    [[nodiscard]] BudgetDocument &document() const { return *_document; }
    /// The operations every change of the user goes through.
    [[nodiscard]] DocumentEditing &edits() const { return *_edits; }
    [[nodiscard]] DocumentSync &sync() const { return *_sync; }
    [[nodiscard]] MainWindow &mainWindow() const { return *_mainWindow; }
    [[nodiscard]] BudgetGridModel &gridModel() const;
    [[nodiscard]] BudgetGridSource &grid() const { return *_grid; }
    [[nodiscard]] FileCommands &files() const { return *_files; }
    [[nodiscard]] DocumentSafety &safety() const { return *_safety; }
    [[nodiscard]] voCheckViewCtrl &checkView() const { return *_checkView; }
    [[nodiscard]] UndoHistory &undoHistory() const { return *_history; }
    [[nodiscard]] QString version() const { return _version; }
    /// Today, for the views that count up to it.
    [[nodiscard]] const Calendar &calendar() const { return _calendar; }
    [[nodiscard]] bool envelopeView() const;
    [[nodiscard]] int selectedTabIndex() const { return _selectedTabIndex; }

    /// Writes back whatever a view still holds (an open cell editor, the
    /// register's month). Every reader of the whole document calls this
    /// first; false means a typed value was refused and the reader stops.
    [[nodiscard]] bool flushPendingEdits();
    /// The whole document, with what the register still holds written back.
    [[nodiscard]] DocumentSnapshot snapshot() const;

    // Start-up and quit.
    void awakeFromNib();
    void menuQuit();

    // DocumentHost.
    [[nodiscard]] QString dataFileName() const override { return _dataFileName; }
    void setFileName(const QString &path) override;
    void fileMissing(const QString &path) override;
    void initView() override;
    void initLoadedView() override;
    [[nodiscard]] std::unique_ptr<ProgressWindow> startProgress(const QString &message) override;

    // The document's file work.
    int createCategory(const QString &name, const QString &withValue);
    void loadFromFile(const QString &path, bool withOptionSync, bool detach);
    [[nodiscard]] bool saveToFile(const QString &path, bool withOptionSync);
    [[nodiscard]] bool fileOperationsAllowed();

    // The budget grid and the tabs.
    void updateView();
    void btnNewCategory();
    void btnDeleteCategory();
    void didSelectTabViewItem(int index);

    // File commands.
    [[nodiscard]] std::optional<QString> promptUserFileName();
    void menuOpenFile();
    void menuNewFile();
    void menuSave();
    void menuSaveAs();
    bool openFile(const QString &path);
    [[nodiscard]] bool validateMenuItem(MenuCommand command) const;

    void openPrefsPanel();
    void openAboutPanel();

signals:
    /// Start-up has finished: the first load is done, a start-up update included.
    void startupFinished();
    /// The quit command has saved: the program should end now.
    void terminateRequested();

private:
    void connectWindow();
    void bringViewForward();

    Settings &_settings;
    const Calendar &_calendar;
    std::unique_ptr<CountingAlerts> _alerts;
    QString _version;

    BudgetDocument *_document;
    std::unique_ptr<DocumentEditing> _edits;
    DocumentSync *_sync;
    std::unique_ptr<MainWindow> _mainWindow;
    BudgetGridView *_ourTableView;
    QTabWidget *_ourTabView;
    voCheckViewCtrl *_checkView;
    UndoHistory *_history;
    std::unique_ptr<PendingEdits> _pending;
    DocumentSafety *_safety;
    BudgetGridSource *_grid;
    FileCommands *_files;
    DialogCommands *_dialogs;
    StartupAndQuit *_startup;

    QString _dataFileName;
    int _selectedTabIndex = 0;
};
