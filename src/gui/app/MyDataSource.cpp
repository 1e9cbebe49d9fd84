#include "MyDataSource.h"

#include "BudgetGridModel.h"
#include "BudgetGridView.h"
#include "MainWindow.h"
#include "UndoHistory.h"
#include "ui_MainMenu.h"

#include "dialogs/voAboutWinCtrl.h"
#include "dialogs/voPrefWindowCtrl.h"
#include "dialogs/voProgressWinController.h"
#include "document/BudgetDocument.h"
#include "document/DocumentSnapshot.h"
#include "document/GridText.h"
#include "document/NumberText.h"
#include "document/TextRules.h"
#include "platform/Alerts.h"
#include "platform/FilePanels.h"
#include "platform/RecentFileList.h"
#include "platform/Settings.h"
#include "register/ItemEditing.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "register/voEnvelopeWinController.h"
#include "register/voEnvelopeWinData.h"
#include "safety/DocumentSafety.h"
#include "safety/RestoreBackupDialog.h"
#include "sync/DocumentSync.h"

#include <QDataStream>
#include <QFileInfo>
#include <QMimeData>

namespace {

MyDataSource *MainDataSource = nullptr;

QByteArray archiveRows(const QList<int> &rows)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << rows;
    return bytes;
}

QList<int> unarchiveRows(const QByteArray &bytes)
{
    QList<int> rows;
    QDataStream stream(bytes);
    stream >> rows;
    return stream.status() == QDataStream::Ok ? rows : QList<int>();
}

} // namespace

MyDataSource::MyDataSource(const Services &services, QObject *parent)
    : QObject(parent)
    , _settings(services.settings)
    , _alerts(services.alerts)
    , _filePanels(services.filePanels)
    , _calendar(services.calendar)
    , _recents(services.recents)
    , _document(new BudgetDocument(this))
    , _sync(new DocumentSync(*_document, *this, _settings, _alerts, &_recents, this))
    , _mainWindow(std::make_unique<MainWindow>())
    , _gridModel(new BudgetGridModel(*this, this))
    , _ourTableView(_mainWindow->tableView())
    , _ourTabView(_mainWindow->tabView())
    , _checkView(new voCheckViewCtrl(*_document, _alerts, _calendar))
    , _fillEnvelope(_checkView->fillEnvelopeButton())
    , _history(new UndoHistory([this] { return documentSnapshot(); },
                               [this](const DocumentSnapshot &snapshot) { restoreDocument(snapshot); }, this))
    , _safety(new DocumentSafety(
          _settings, _alerts, _calendar, [this] { return documentSnapshot(); },
          [this](const DocumentSnapshot &snapshot, const QString &actionName) {
              restoreDocument(snapshot);
              _history->record(actionName);
          },
          SafetyPlaces::user(), this))
    , _version(QStringLiteral(ORRINWICK_VERSION))
{
    MainDataSource = this;
    _mainWindow->setRegisterView(_checkView);
    _ourTableView->setModel(_gridModel);
    _ourTableView->fitColumns();
    connectWindow();
}

MyDataSource::~MyDataSource()
{
    // The register commits an open edit as its window goes, when this object
    // is half gone: nothing is recorded from then on.
    disconnect(_checkView, nullptr, _history, nullptr);
    if (MainDataSource == this)
        MainDataSource = nullptr;
}

MyDataSource *MyDataSource::getMyDataSource()
{
    return MainDataSource;
}

void MyDataSource::connectWindow()
{
    connect(_document, &BudgetDocument::rowsAboutToChange, _gridModel, &BudgetGridModel::beginRowsChange);
    connect(_document, &BudgetDocument::rowsChanged, _gridModel, &BudgetGridModel::endRowsChange);
    connect(_document, &BudgetDocument::redisplayRequested, _gridModel, &BudgetGridModel::redisplay);
    _ourTableView->setEditCheck([this](int column, int row) {
        return shouldEditTableColumn(BudgetGridModel::columnId(column), row);
    });
    connect(_ourTabView, &QTabWidget::currentChanged, this, &MyDataSource::didSelectTabViewItem);

    Ui::MainMenu &ui = _mainWindow->ui();
    connect(ui.newCategoryButton, &QPushButton::clicked, this, &MyDataSource::btnNewCategory);
    connect(ui.deleteCategoryButton, &QPushButton::clicked, this, &MyDataSource::btnDeleteCategory);
    connect(ui.actionNewCategory, &QAction::triggered, this, &MyDataSource::btnNewCategory);
    connect(ui.actionDeleteCategory, &QAction::triggered, this, &MyDataSource::btnDeleteCategory);
    connect(ui.actionNew, &QAction::triggered, this, &MyDataSource::menuNewFile);
    connect(ui.actionOpen, &QAction::triggered, this, &MyDataSource::menuOpenFile);
    connect(ui.actionSave, &QAction::triggered, this, &MyDataSource::menuSave);
    connect(ui.actionSaveAs, &QAction::triggered, this, &MyDataSource::menuSaveAs);
    connect(ui.actionQuit, &QAction::triggered, this, &MyDataSource::menuQuit);
    connect(ui.actionPreferences, &QAction::triggered, this, &MyDataSource::openPrefsPanel);
    connect(ui.actionAbout, &QAction::triggered, this, &MyDataSource::openAboutPanel);
    connect(ui.menuFile, &QMenu::aboutToShow, this, &MyDataSource::validateMenuItems);
    connect(ui.menuOpenRecent, &QMenu::aboutToShow, this, &MyDataSource::fillRecentMenu);
    connect(_sync, &DocumentSync::updateHandled, this, &MyDataSource::validateMenuItems);
    // The end of a detached update is the end of a load.
    connect(_sync, &DocumentSync::updateHandled, _history, &UndoHistory::clear);
    connect(_checkView, &voCheckViewCtrl::documentChanged, _history, &UndoHistory::record);
    _history->addActionsTo(*ui.menuEdit);
    connect(ui.menuEdit, &QMenu::aboutToShow, this, &MyDataSource::commitEditing);
    _mainWindow->setCloseHandler([this] { menuQuit(); });

    // Safety: every recorded change (undo and redo too) reaches the recovery file.
    connect(&_history->stack(), &QUndoStack::indexChanged, _safety, [this] {
        if (_history->stack().count() > 0)
            _safety->documentChanged();
    });
    connect(ui.actionRestoreBackup, &QAction::triggered, this, [this] {
        backToGrid();
        RestoreBackupDialog::run(*_safety, _dataFileName, _envelopeView, _mainWindow.get());
    });
}

// Start-up and quit ---------------------------------------------------------

void MyDataSource::awakeFromNib()
{
    _dataFileName = _settings.dataFile();
    if (!_safety->mayOpen(_dataFileName)) // safety: another program has it open
        _dataFileName.clear();
    setEnvelopeView(_settings.envelopeView());
    if (_settings.currentVersion() != _version) {
        _settings.setValue(Settings::kCurrentVersion, _version);
        openAboutPanel();
    }
    createCategory(QStringLiteral("Budget"), QStringLiteral("0"));
    createCategory(QStringLiteral("Remain"), QStringLiteral("0"));
    createCategory(kRowLine, kRowLine);
    _sync->launchTunnelHelper();
    _selectedTabIndex = 0;
    _ourTabView->setCurrentIndex(0);
    _mainWindow->setWindowTitle(_dataFileName);
    _ourTableView->setAcceptDrops(true);
    loadFromFile(_dataFileName, true, true);
    validateMenuItems();
    _sync->whenUpdateHandled([this] { emit startupFinished(); });
}

void MyDataSource::menuQuit()
{
    _sync->whenUpdateHandled([this] {
        backToGrid();
        if (_dataFileName.isEmpty())
            menuSaveAs();
        // Nothing can be saved once file operations are locked: the program
        // ends all the same. Any other failed write keeps the document open.
        if (!saveToFile(_dataFileName, true) && _sync->allowFileOperations())
            return;
        _safety->closing();
        emit terminateRequested();
    });
}

// DocumentHost ----------------------------------------------------------------

void MyDataSource::setFileName(const QString &path)
{
    _dataFileName = path;
    _settings.setValue(Settings::kDataFile, path);
    _mainWindow->setWindowTitle(path);
    validateMenuItems();
}

void MyDataSource::initView()
{
    _mainWindow->raise();
    _mainWindow->activateWindow();
    if (_selectedTabIndex == 0)
        _ourTableView->setFocus();
    updateView();
    validateMenuItems();
}

std::unique_ptr<ProgressWindow> MyDataSource::startProgress(const QString &message)
{
    auto progress = std::make_unique<voProgressWinController>(_mainWindow.get());
    progress->showFromTitleBar(_mainWindow.get(), true);
    progress->startProgress(message);
    return progress;
}

// Document file work -----------------------------------------------------------

int MyDataSource::createCategory(const QString &name, const QString &withValue)
{
    return _document->createCategory(name, withValue);
}

void MyDataSource::loadFromFile(const QString &path, bool withOptionSync, bool detach)
{
    _sync->loadFromFile(path, withOptionSync, detach);
    _history->clear();
    _sync->whenUpdateHandled([this] { _safety->opened(_dataFileName); });
}

bool MyDataSource::saveToFile(const QString &path, bool withOptionSync)
{
    if (!_safety->aboutToSave(path))
        return false;
    if (!_sync->saveToFile(path, withOptionSync))
        return false;
    _safety->saved(path);
    return true;
}

bool MyDataSource::fileOperationsAllowed()
{
    return _sync->fileOperationsAllowed();
}

// Budget grid ----------------------------------------------------------------

int MyDataSource::numberOfRowsInTableView() const
{
    return int(_document->getCatArray().size());
}

QString MyDataSource::objectValueForTableColumn(const QString &columnId, int row) const
{
    Q_ASSERT_X(row >= 0 && row < numberOfRowsInTableView(), "MyDataSource",
               "Invalid parameter not satisfying: rowIndex >= 0 && rowIndex < [_catArray count]");
    return gridDisplayText(_document->getCatArray()[row], row, columnId);
}

QString MyDataSource::editValueForTableColumn(const QString &columnId, int row) const
{
    const int month = MonthTables::findMonth(columnId);
    if (row == kBudgetRowIndex && month >= 0 && !_envelopeView)
        return _document->budgetTotals()[std::size_t(month)];
    return _document->getCatArray()[row].value(columnId);
}

bool MyDataSource::setObjectValue(const QString &value, const QString &columnId, int row)
{
    if (row < 0 || row >= numberOfRowsInTableView())
        return false;
    if (columnId == kDescId) {
        if (row < kFirstCategoryRow || value.isEmpty() || value == _document->getCatArray()[row].desc)
            return false;
        const CheckedText name = TextRules::checkName(value);
        if (!name.ok()) {
            _alerts.warning(name.error);
            return false;
        }
        if (!_document->renameCategory(row, name.text)) {
            _alerts.warning(Alerts::format(tr("There is already a category named \"%@\". Choose another name."),
                                           name.text));
            return false;
        }
        _history->record(tr("Rename Category"));
        return true;
    }
    const int month = MonthTables::findMonth(columnId);
    if (row != kBudgetRowIndex || month < 0)
        return false;
    QString &budget = _document->budgetTotals()[std::size_t(month)];
    if (budget == value)
        return false;
    const CheckedText amount = TextRules::checkAmount(value);
    if (!amount.ok()) {
        _alerts.warning(amount.error);
        return false;
    }
    if (budget == amount.text)
        return false;
    budget = NumberText::validNumber(amount.text);
    _document->updateTotalsForMonth(columnId);
    _history->record(tr("Edit Budget"));
    return true;
}

bool MyDataSource::shouldSelectRow(int row) const
{
    return row != kRemainingRowIndex && row != kDashRowIndex;
}

bool MyDataSource::shouldEditTableColumn(const QString &columnId, int row)
{
    if (row < kFirstCategoryRow && columnId == kDescId)
        return false;
    if (columnId == kAverageId)
        return false;
    if (columnId == kDescId)
        return true;
    if (row != kBudgetRowIndex)
        return false;
    if (_document->categoryCount() <= 0) {
        _alerts.run(QStringLiteral("No Categories Defined"),
                    QStringLiteral("Please create at least 1 category.\n\nHINT: Edit -> New Category"),
                    QStringLiteral("OK"));
        return false;
    }
    if (!_envelopeView)
        return true;
    _ourTableView->clearSelection();
    voEnvelopeWinController editor(*_document, _alerts, _mainWindow.get());
    connect(&editor.tableData(), &voEnvelopeWinData::documentChanged, _history, &UndoHistory::record);
    editor.openMonth(columnId, _mainWindow.get());
    editor.startModal();
    _document->updateTotalsForMonth(columnId);
    return false;
}

bool MyDataSource::writeRowsWithIndexes(const QList<int> &rows, QMimeData &pasteboard) const
{
    // The fixed rows never move, so a drag that starts on one is refused.
    if (rows.isEmpty() || rows.first() < kFirstCategoryRow)
        return false;
    pasteboard.setData(BudgetGridModel::kDragType, archiveRows(rows));
    return true;
}

bool MyDataSource::validateDrop(int proposedRow) const
{
    return proposedRow >= kFirstCategoryRow && proposedRow <= numberOfRowsInTableView();
}

bool MyDataSource::acceptDrop(const QMimeData &pasteboard, int row)
{
    const QList<int> rows = unarchiveRows(pasteboard.data(BudgetGridModel::kDragType));
    if (rows.isEmpty() || rows.first() < kFirstCategoryRow || rows.first() >= numberOfRowsInTableView()
        || !validateDrop(row))
        return false;
    _document->moveCategoryRow(rows.first(), row);
    _history->record(tr("Move Category"));
    return true;
}

void MyDataSource::updateView()
{
    _document->updateView();
    _gridModel->redisplay();
}

void MyDataSource::btnNewCategory()
{
    createCategory(_document->uniqueCategoryName(kDefaultCategoryName), QStringLiteral("0"));
    _history->record(tr("New Category"));
    _ourTableView->clearSelection();
    const QModelIndex name = _gridModel->index(numberOfRowsInTableView() - 1, 0);
    _ourTableView->setCurrentIndex(name);
    _ourTableView->selectRow(name.row());
    _ourTableView->setFocus();
    _ourTableView->edit(name);
}

void MyDataSource::btnDeleteCategory()
{
    const int row = selectedRow();
    // The Budget row can be selected but is no category.
    if (row < kFirstCategoryRow) {
        _alerts.run(QStringLiteral("No SelectedCategory"), QStringLiteral("Please select a category."),
                    QStringLiteral("OK"));
        return;
    }
    const QString name = _document->getCatArray()[row].desc;
    if (_alerts.run(QStringLiteral("Confirm Delete"),
                    Alerts::format(QStringLiteral("Are you sure you want to delete category %@"), name),
                    QStringLiteral("Cancel"), QStringLiteral("OK"))
        == Alerts::kDefaultButton)
        return;
    _ourTableView->clearSelection();
    _document->deleteCategoryByIndex(row);
    _history->record(tr("Delete Category"));
}

DocumentSnapshot MyDataSource::documentSnapshot() const
{
    DocumentSnapshot snapshot = DocumentSnapshot::take(*_document);
    _checkView->tableData().writePendingMonth(snapshot);
    return snapshot;
}

void MyDataSource::restoreDocument(const DocumentSnapshot &snapshot)
{
    // The snapshot holds the register's changes written back, so the month
    // shown is read again rather than written.
    snapshot.restoreInto(*_document);
    _checkView->reloadMonth();
}

void MyDataSource::commitEditing()
{
    finishEditing(*_ourTableView);
    _checkView->commitEditing();
}

int MyDataSource::selectedRow() const
{
    const QModelIndexList rows = _ourTableView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
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

void MyDataSource::backToGrid()
{
    if (_selectedTabIndex != 0)
        _ourTabView->setCurrentIndex(0);
}

std::optional<QString> MyDataSource::promptUserFileName()
{
    const std::optional<QString> location
        = _filePanels.runSavePanel(_mainWindow.get(), QStringLiteral("Enter File / Path for new File"));
    if (!location)
        return std::nullopt;
    return NumberText::URLToFilePath(*location);
}

void MyDataSource::menuSave()
{
    backToGrid();
    (void)saveToFile(_dataFileName, false);
}

void MyDataSource::menuSaveAs()
{
    backToGrid();
    const std::optional<QString> path = promptUserFileName();
    if (!path)
        return;
    setFileName(*path);
    (void)saveToFile(_dataFileName, false);
}

void MyDataSource::menuNewFile()
{
    const QString oldPath = _dataFileName;
    backToGrid();
    const std::optional<QString> newPath = promptUserFileName();
    if (!newPath)
        return;
    // The document being left is saved (and committed) under its own name
    // first; when that fails nothing is thrown away.
    if (!saveToFile(oldPath, true))
        return;
    _safety->closing();
    _document->eraseAllData();
    setFileName(*newPath);
    (void)saveToFile(*newPath, false);
    initView();
    _history->clear();
}

void MyDataSource::menuOpenFile()
{
    backToGrid();
    const std::optional<QString> location = _filePanels.runOpenPanel(_mainWindow.get());
    if (!location)
        return;
    if (!_safety->mayOpen(NumberText::URLToFilePath(*location)))
        return;
    if (!saveToFile(_dataFileName, true))
        return;
    _safety->closing();
    setFileName(NumberText::URLToFilePath(*location));
    loadFromFile(_dataFileName, true, false);
}

bool MyDataSource::openFile(const QString &path)
{
    _sync->whenUpdateHandled([this, path] {
        if (path == _dataFileName)
            return;
        backToGrid();
        if (!fileOperationsAllowed())
            return;
        if (!_safety->mayOpen(path))
            return;
        if (!saveToFile(_dataFileName, true))
            return;
        _safety->closing();
        _dataFileName = path;
        loadFromFile(path, true, false);
        setFileName(_dataFileName);
    });
    return true;
}

bool MyDataSource::validateMenuItem(int tag) const
{
    switch (tag) {
    case kOpenTag:
    case kNewTag:
    case kSaveAsTag:
        return _sync->fileCommandsEnabled();
    case kSaveTag:
        return !_dataFileName.isEmpty() && _sync->fileCommandsEnabled();
    default:
        return true;
    }
}

void MyDataSource::validateMenuItems()
{
    for (QAction *action : _mainWindow->taggedActions())
        action->setEnabled(validateMenuItem(MainWindow::tagOf(action)));
}

void MyDataSource::fillRecentMenu()
{
    QMenu *menu = _mainWindow->ui().menuOpenRecent;
    menu->clear();
    for (const QString &path : _recents.paths()) {
        QAction *item = menu->addAction(QFileInfo(path).fileName(), this, [this, path] { openFile(path); });
        item->setToolTip(path);
        item->setStatusTip(path);
    }
    if (menu->isEmpty()) {
        menu->addAction(tr("No Recent Files"))->setEnabled(false);
        return;
    }
    menu->addSeparator();
    menu->addAction(tr("Clear Menu"), this, [this] { _recents.clear(); });
}

// Preferences and About ------------------------------------------------------

void MyDataSource::setEnvelopeView(bool on)
{
    _envelopeView = on;
    _document->setEnvelopeView(on);
    _fillEnvelope->setEnabled(on);
}

void MyDataSource::openPrefsPanel()
{
    voPrefWindowCtrl prefs(_settings, _mainWindow.get());
    prefs.showFromTitleBar(_mainWindow.get(), true);
    prefs.startModal();
    setEnvelopeView(_settings.envelopeView());
    updateView();
}

void MyDataSource::openAboutPanel()
{
    voAboutWinCtrl about(_mainWindow.get());
    about.showFromTitleBar(_mainWindow.get(), true);
    about.setTitle(voAboutWinCtrl::kPublisherName, voAboutWinCtrl::aboutMessage(_version));
    about.startModal();
}
