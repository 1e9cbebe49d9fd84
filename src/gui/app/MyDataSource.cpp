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
#include "document/GridText.h"
#include "document/NumberText.h"
#include "editing/DocumentEditing.h"
#include "platform/Alerts.h"
#include "platform/FilePanels.h"
#include "platform/RecentFileList.h"
#include "platform/Settings.h"
#include "register/ItemEditing.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "register/voEnvelopeWinController.h"
#include "register/voEnvelopeWinData.h"
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
    , _history(new UndoHistory([this] { _document->edits().changeApplied(); }, this))
    , _version(QStringLiteral(ORRINWICK_VERSION))
{
    MainDataSource = this;
    _document->edits().setChangeLog(_history);
    _mainWindow->setRegisterView(_checkView);
    _ourTableView->setModel(_gridModel);
    _ourTableView->fitColumns();
    connectWindow();
}

MyDataSource::~MyDataSource()
{
    // The register commits an open edit as its window goes, when this object
    // is half gone: nothing is recorded from then on.
    _document->edits().setChangeLog(nullptr);
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
    _history->addActionsTo(*ui.menuEdit);
    connect(ui.menuEdit, &QMenu::aboutToShow, this, &MyDataSource::commitEditing);
    _mainWindow->setCloseHandler([this] { menuQuit(); });
}

// Start-up and quit ---------------------------------------------------------

void MyDataSource::awakeFromNib()
{
    _dataFileName = _settings.dataFile();
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
}

bool MyDataSource::saveToFile(const QString &path, bool withOptionSync)
{
    return _sync->saveToFile(path, withOptionSync);
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
    const int month = MonthTables::findMonth(columnId);
    EditAnswer answer;
    if (columnId == kDescId)
        answer = _document->edits().categories().renameCategory(row, value);
    else if (row == kBudgetRowIndex && month >= 0)
        answer = _document->edits().amounts().setBudget(month, value);
    if (answer.isRefused())
        _alerts.warning(answer.message);
    return answer.isChanged();
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
        _alerts.run(tr("No Categories Defined"),
                    tr("Please create at least 1 category.\n\nHINT: Edit -> New Category"),
                    tr("OK"));
        return false;
    }
    if (!_envelopeView)
        return true;
    _ourTableView->clearSelection();
    voEnvelopeWinController editor(*_document, _alerts, _mainWindow.get());
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
    (void)_document->edits().categories().moveCategory(rows.first(), row);
    return true;
}

void MyDataSource::updateView()
{
    _document->updateView();
    _gridModel->redisplay();
}

void MyDataSource::btnNewCategory()
{
    (void)_document->edits().categories().createCategory(_document->uniqueCategoryName(kDefaultCategoryName));
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
        _alerts.run(tr("No SelectedCategory"), tr("Please select a category."),
                    tr("OK"));
        return;
    }
    const QString name = _document->getCatArray()[row].desc;
    if (_alerts.run(tr("Confirm Delete"),
                    Alerts::format(tr("Are you sure you want to delete category %@"), name),
                    tr("Cancel"), tr("OK"))
        == Alerts::kDefaultButton)
        return;
    _ourTableView->clearSelection();
    (void)_document->edits().categories().deleteCategory(row);
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
        = _filePanels.runSavePanel(_mainWindow.get(), tr("Enter File / Path for new File"));
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
    if (!saveToFile(_dataFileName, true))
        return;
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
        if (!saveToFile(_dataFileName, true))
            return;
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
