#pragma once

#include "sync/DocumentHost.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Alerts;
class BudgetDocument;
class BudgetGridModel;
class BudgetGridView;
class Calendar;
class DocumentSafety;
class DocumentSync;
class FilePanels;
class MainWindow;
class QMimeData;
class QPushButton;
class QTabWidget;
class RecentFileList;
class Settings;
class UndoHistory;
class voCheckViewCtrl;
struct DocumentSnapshot;

/// The application controller: owns the document and its file sync, builds
/// the main window, runs start-up and quit, answers the budget grid and the
/// tab view, and carries out the file, preferences and About commands.
/// Exactly one exists while the program runs.
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

    /// Menu tags of the file commands.
    static constexpr int kOpenTag = 20002;
    static constexpr int kNewTag = 20003;
    static constexpr int kSaveAsTag = 20004;
    static constexpr int kSaveTag = 20005;

    explicit MyDataSource(const Services &services, QObject *parent = nullptr);
    ~MyDataSource() override;
    Q_DISABLE_COPY_MOVE(MyDataSource)

    [[nodiscard]] static MyDataSource *getMyDataSource();

    [[nodiscard]] BudgetDocument &document() const { return *_document; }
    [[nodiscard]] DocumentSync &sync() const { return *_sync; }
    [[nodiscard]] MainWindow &mainWindow() const { return *_mainWindow; }
    [[nodiscard]] BudgetGridModel &gridModel() const { return *_gridModel; }
    [[nodiscard]] voCheckViewCtrl &checkView() const { return *_checkView; }
    [[nodiscard]] UndoHistory &undoHistory() const { return *_history; }
    [[nodiscard]] DocumentSafety &safety() const { return *_safety; }
    [[nodiscard]] QString version() const { return _version; }
    [[nodiscard]] bool envelopeView() const { return _envelopeView; }
    [[nodiscard]] int selectedTabIndex() const { return _selectedTabIndex; }

    // Start-up and quit.
    /// Runs once the main window is up: settings, About on a new version,
    /// the fixed rows, the tunnel helper, tab 0, title, and the first load.
    void awakeFromNib();
    /// Saves (asking for a name when there is none) and ends the program.
    /// A save that fails leaves the program running with the document open.
    void menuQuit();

    // DocumentHost.
    [[nodiscard]] QString dataFileName() const override { return _dataFileName; }
    void setFileName(const QString &path) override;
    void initView() override;
    [[nodiscard]] std::unique_ptr<ProgressWindow> startProgress(const QString &message) override;

    // The document's file work.
    int createCategory(const QString &name, const QString &withValue);
    void loadFromFile(const QString &path, bool withOptionSync, bool detach);
    [[nodiscard]] bool saveToFile(const QString &path, bool withOptionSync);
    [[nodiscard]] bool fileOperationsAllowed();

    // The budget grid.
    [[nodiscard]] int numberOfRowsInTableView() const;
    /// The text a cell shows.
    [[nodiscard]] QString objectValueForTableColumn(const QString &columnId, int row) const;
    /// The text an edit of the cell starts from: the value as stored.
    [[nodiscard]] QString editValueForTableColumn(const QString &columnId, int row) const;
    /// Commits an edit; answers whether the document changed.
    bool setObjectValue(const QString &value, const QString &columnId, int row);
    [[nodiscard]] bool shouldSelectRow(int row) const;
    /// Whether the cell may enter in-place editing; a Budget-row month in
    /// envelope mode opens the envelope editor instead.
    bool shouldEditTableColumn(const QString &columnId, int row);
    /// Puts the dragged rows on the pasteboard; the fixed rows are not dragged.
    bool writeRowsWithIndexes(const QList<int> &rows, QMimeData &pasteboard) const;
    [[nodiscard]] bool validateDrop(int proposedRow) const;
    bool acceptDrop(const QMimeData &pasteboard, int row);
    void updateView();
    void btnNewCategory();
    void btnDeleteCategory();
    void didSelectTabViewItem(int index);

    // File commands.
    /// Asks for a new file's path; nothing when the user cancelled.
    [[nodiscard]] std::optional<QString> promptUserFileName();
    void menuOpenFile();
    void menuNewFile();
    void menuSave();
    void menuSaveAs();
    /// A desktop request to open a file (also Open Recent and the command line).
    bool openFile(const QString &path);
    [[nodiscard]] bool validateMenuItem(int tag) const;

    void openPrefsPanel();
    void openAboutPanel();

signals:
    /// Start-up has finished: the first load is done, a start-up update included.
    void startupFinished();
    /// The quit command has saved: the program should end now.
    void terminateRequested();

private:
    void connectWindow();
    /// Switches to the grid tab, so that the register's edits are in the document.
    void backToGrid();
    void validateMenuItems();
    void fillRecentMenu();
    void setEnvelopeView(bool on);
    [[nodiscard]] int selectedRow() const;
    /// The document as it stands, the register's changes not yet written back included.
    [[nodiscard]] DocumentSnapshot documentSnapshot() const;
    /// Puts the document back to the snapshot; the grid and the register follow.
    void restoreDocument(const DocumentSnapshot &snapshot);
    /// Ends any cell edit in the grid or the register, so that an undo acts
    /// on what the user sees.
    void commitEditing();

    Settings &_settings;
    Alerts &_alerts;
    FilePanels &_filePanels;
    const Calendar &_calendar;
    RecentFileList &_recents;

    BudgetDocument *_document;
    DocumentSync *_sync;
    std::unique_ptr<MainWindow> _mainWindow;
    BudgetGridModel *_gridModel;
    BudgetGridView *_ourTableView;
    QTabWidget *_ourTabView;
    voCheckViewCtrl *_checkView;
    QPushButton *_fillEnvelope;
    UndoHistory *_history;
    DocumentSafety *_safety;

    QString _version;
    QString _dataFileName;
    bool _envelopeView = false;
    int _selectedTabIndex = 0;
};
