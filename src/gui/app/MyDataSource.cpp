#include "MyDataSource.h"

#include "BudgetGridModel.h"
#include "BudgetGridSource.h"
#include "BudgetGridView.h"
#include "DialogCommands.h"
#include "MainWindow.h"
#include "PendingEdits.h"
#include "StartupAndQuit.h"
#include "UndoHistory.h"

#include "dialogs/voProgressWinController.h"
#include "document/BudgetDocument.h"
#include "document/DocumentSnapshot.h"
#include "editing/DocumentEditing.h"
#include "platform/CountingAlerts.h"
#include "platform/RecentFileList.h"
#include "platform/Settings.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "safety/DocumentSafety.h"
#include "safety/RestoreBackupDialog.h"
#include "sync/DocumentSync.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace {

MyDataSource *MainDataSource = nullptr;

} // namespace

MyDataSource::MyDataSource(const Services &services, QObject *parent)
    : QObject(parent)
    , _settings(services.settings)
    , _calendar(services.calendar)
    , _alerts(std::make_unique<CountingAlerts>(services.alerts))
    , _version(QStringLiteral(ORRINWICK_VERSION))
    , _document(new BudgetDocument(this))
    , _edits(std::make_unique<DocumentEditing>(*_document))
    , _sync(new DocumentSync(*_document, *this, _settings, *_alerts, &services.recents, this))
    , _mainWindow(std::make_unique<MainWindow>())
    , _ourTableView(_mainWindow->tableView())
    , _ourTabView(_mainWindow->tabView())
    , _checkView(new voCheckViewCtrl(*_edits, *_alerts, services.calendar))
    , _history(new UndoHistory([this] { _edits->changeApplied(); }, this))
    , _pending(std::make_unique<PendingEdits>(*_ourTableView, *_checkView, *_alerts))
    , _safety(new DocumentSafety(
          _settings, *_alerts, services.calendar,
          [this] { return snapshot(); },
          [this](const DocumentSnapshot &snapshot, const QString &actionName) {
              _edits->replaceDocument(snapshot, actionName);
          },
          SafetyPlaces::user(), this))
    , _grid(new BudgetGridSource(*_edits, *_alerts, *_mainWindow, *_checkView->fillEnvelopeButton(),
                                 this))
    , _files(new FileCommands(*_sync, *this, services.filePanels, services.recents, *_mainWindow, *_pending,
                              *_history, *_safety, *_alerts, this))
    , _dialogs(new DialogCommands(_settings, *_mainWindow, *_grid, _version, this))
    , _startup(new StartupAndQuit({_settings, *_document, *_sync, *this, *_mainWindow, *_grid, *_files, *_dialogs,
                                   *_safety},
                                  _version, this))
{
    MainDataSource = this;
    _edits->setChangeLog(_history);
    _mainWindow->setRegisterView(_checkView);
    connectWindow();
}

MyDataSource::~MyDataSource()
{
    // The register commits an open edit as its window goes, when this object
    // is half gone: nothing is recorded from then on.
    _edits->setChangeLog(nullptr);
    // The history empties its stack as it goes, after this object's own parts.
    _history->stack().disconnect(_safety);
    if (MainDataSource == this)
        MainDataSource = nullptr;
}

MyDataSource *MyDataSource::getMyDataSource()
{
    return MainDataSource;
}

BudgetGridModel &MyDataSource::gridModel() const
{
    return _grid->model();
}

bool MyDataSource::envelopeView() const
{
    return _grid->envelopeView();
}

DocumentSnapshot MyDataSource::snapshot() const
{
    _checkView->tableData().writeBack();
    return DocumentSnapshot::take(*_document);
}

bool MyDataSource::flushPendingEdits()
{
    return _pending->flush();
}

void MyDataSource::connectWindow()
{
    connect(_ourTabView, &QTabWidget::currentChanged, this, &MyDataSource::didSelectTabViewItem);
    connect(_startup, &StartupAndQuit::startupFinished, this, &MyDataSource::startupFinished);
    connect(_startup, &StartupAndQuit::terminateRequested, this, &MyDataSource::terminateRequested);
    // The end of a detached update is the end of a load: the register shows
    // the loaded month, never its copy of the one it held while waiting.
    connect(_sync, &DocumentSync::updateHandled, _checkView, &voCheckViewCtrl::reloadMonth);
    connect(_sync, &DocumentSync::updateHandled, _history, &UndoHistory::clear);
    _mainWindow->insertActions(MenuPlace::EditFirst, {_history->undoAction(), _history->redoAction()});
    // Undo acts on what the user sees: an edit still open is committed first.
    connect(_mainWindow->menu(MainMenuName::Edit), &QMenu::aboutToShow, this, [this] { (void)flushPendingEdits(); });
    _mainWindow->setCloseHandler([this] { menuQuit(); });
    // Another program may have changed the file while the user was away.
    _mainWindow->setActivationHandler([this] { _files->checkDisk(); });

    // Every recorded change (undo and redo too) reaches the recovery file.
    connect(&_history->stack(), &QUndoStack::indexChanged, _safety, [this] {
        if (_history->stack().count() > 0)
            _safety->documentChanged();
    });
    connect(_safety, &DocumentSafety::crashProtectionChanged, _mainWindow.get(), &MainWindow::showCrashProtection);
    connect(_mainWindow->action(MenuCommand::RestoreBackup), &QAction::triggered, this, [this] {
        if (!_files->flushToGrid())
            return;
        RestoreBackupDialog::run(*_safety, _dataFileName, envelopeView(), _mainWindow.get());
    });
}

// Start-up and quit ---------------------------------------------------------

void MyDataSource::awakeFromNib()
{
    _dataFileName = _settings.dataFile();
    // Another program has the file open and the user chose not to share it.
    if (!_safety->mayOpen(_dataFileName))
        _dataFileName.clear();
    _startup->awakeFromNib();
}

void MyDataSource::menuQuit()
{
    _startup->menuQuit();
}

// DocumentHost ----------------------------------------------------------------

void MyDataSource::setFileName(const QString &path)
{
    _dataFileName = path;
    _settings.setValue(Settings::kDataFile, path);
    _mainWindow->setWindowTitle(path);
    _files->validateMenuItems();
}

void MyDataSource::fileMissing(const QString &path)
{
    _dataFileName.clear();
    _mainWindow->setWindowTitle(QString());
    _files->validateMenuItems();
    // Later: the load that found it missing is still under way.
    QTimer::singleShot(0, _files, [this, path] { _files->offerMissingFile(path); });
}

void MyDataSource::initView()
{
    bringViewForward();
    updateView();
    _files->validateMenuItems();
}

void MyDataSource::initLoadedView()
{
    bringViewForward();
    gridModel().redisplay();
    _files->validateMenuItems();
}

void MyDataSource::bringViewForward()
{
    _mainWindow->raise();
    _mainWindow->activateWindow();
    if (_selectedTabIndex == 0)
        _ourTableView->setFocus();
}

std::unique_ptr<ProgressWindow> MyDataSource::startProgress(const QString &message)
{
    auto progress = std::make_unique<voProgressWinController>(_mainWindow.get());
    progress->showFromTitleBar(_mainWindow.get(), true);
    progress->startProgress(message);
    return progress;
}

// The document's file work -----------------------------------------------------

int MyDataSource::createCategory(const QString &name, const QString &withValue)
{
    return _document->createCategory(name, withValue);
}

void MyDataSource::loadFromFile(const QString &path, bool withOptionSync, bool detach)
{
    _files->loadFromFile(path, withOptionSync, detach);
}

bool MyDataSource::saveToFile(const QString &path, bool withOptionSync)
{
    return _files->saveToFile(path, withOptionSync);
}

bool MyDataSource::fileOperationsAllowed()
{
    return _sync->fileOperationsAllowed();
}

// The budget grid and the tabs ---------------------------------------------------

void MyDataSource::updateView()
{
    _grid->updateView();
}

void MyDataSource::btnNewCategory()
{
    _grid->btnNewCategory();
}

void MyDataSource::btnDeleteCategory()
{
    _grid->btnDeleteCategory();
}

void MyDataSource::didSelectTabViewItem(int index)
{
    _selectedTabIndex = index;
    if (index == 0) {
        _checkView->closeView();
        initView();
    } else if (index == 1) {
        _checkView->initView();
    }
}

// File commands -------------------------------------------------------------

std::optional<QString> MyDataSource::promptUserFileName()
{
    return _files->promptUserFileName();
}

void MyDataSource::menuOpenFile()
{
    _files->menuOpenFile();
}

void MyDataSource::menuNewFile()
{
    _files->menuNewFile();
}

void MyDataSource::menuSave()
{
    _files->menuSave();
}

void MyDataSource::menuSaveAs()
{
    _files->menuSaveAs();
}

bool MyDataSource::openFile(const QString &path)
{
    return _files->openFile(path);
}

bool MyDataSource::validateMenuItem(MenuCommand command) const
{
    return _files->validateMenuItem(command);
}

// Preferences and About ------------------------------------------------------

void MyDataSource::openPrefsPanel()
{
    _dialogs->openPrefsPanel();
}

void MyDataSource::openAboutPanel()
{
    _dialogs->openAboutPanel();
}
