#include "YearCommands.h"

#include "FileCommands.h"

#include "MainWindow.h"
#include "MyDataSource.h"

#include "document/BudgetDocument.h"
#include "document/DocumentSnapshot.h"
#include "document/MonthDisplay.h"
#include "document/NumberText.h"
#include "editing/DocumentSetup.h"
#include "find/FindTransactionsDialog.h"
#include "platform/Alerts.h"
#include "platform/AtomicFile.h"
#include "platform/FilePanels.h"
#include "platform/ModalLoop.h"
#include "print/PrintPageSetup.h"
#include "print/PrintRenderer.h"
#include "print/PrintoutHtml.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "year/LastYearLink.h"
#include "year/NewYearBudget.h"
#include "year/TransactionSearch.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabWidget>

YearCommands::YearCommands(MyDataSource &dataSource, FilePanels &filePanels, Alerts &alerts, QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _filePanels(filePanels)
    , _alerts(alerts)
    , _newYearAction(addAction(QStringLiteral("actionNewYear"), tr("New &Year from This Budget…"),
                               &YearCommands::menuNewYear))
    , _findAction(addAction(QStringLiteral("actionFindTransactions"), tr("&Find Transactions…"),
                            &YearCommands::menuFindTransactions))
    , _printAction(addAction(QStringLiteral("actionPrint"), tr("&Print…"), &YearCommands::menuPrint))
    , _exportPdfAction(addAction(QStringLiteral("actionExportPdf"), tr("Export as P&DF…"),
                                 &YearCommands::menuExportPdf))
{
    _findAction->setShortcuts(QKeySequence::Find);
    _printAction->setShortcuts(QKeySequence::Print);
    _newYearAction->setStatusTip(tr("Start next year's budget file with this one's categories and budgets"));
    _findAction->setStatusTip(tr("Find transactions of the whole year by their text or amount"));
    _printAction->setStatusTip(tr("Print the budget grid, or the month the register shows, after a preview"));
    _exportPdfAction->setStatusTip(tr("Write the budget grid, or the month the register shows, to a PDF file"));
    installInMenus();
}

YearCommands::~YearCommands()
{
    delete _findDialog;
}

FindTransactionsDialog *YearCommands::findDialog() const
{
    return _findDialog;
}

QAction *YearCommands::addAction(const QString &objectName, const QString &text, void (YearCommands::*command)())
{
    // Owned by the window, so that the shortcuts work wherever its focus is.
    auto *action = new QAction(text, &_dataSource.mainWindow());
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void YearCommands::installInMenus()
{
    MainWindow &window = _dataSource.mainWindow();
    window.insertActions(MenuPlace::FileBeforeOpen, {_newYearAction});
    window.insertActions(MenuPlace::FileAfterExport, {_exportPdfAction, _printAction});
    connect(window.menu(MainMenuName::File), &QMenu::aboutToShow, this, [this] {
        _newYearAction->setEnabled(_dataSource.validateMenuItem(MenuCommand::New));
    });
    window.insertActions(MenuPlace::EditBeforePreferences, {_findAction});
}

void YearCommands::menuNewYear()
{
    if (!_dataSource.validateMenuItem(MenuCommand::New))
        return;
    const QString current = _dataSource.dataFileName();
    // Without a year in the name, the panel still starts beside this budget.
    const QString start = current.isEmpty() ? QString() : QFileInfo(current).absolutePath() + u'/';
    const std::optional<QString> chosen = _filePanels.runSavePanel(
        &_dataSource.mainWindow(), tr("New Year from This Budget"), NewYearBudget::suggestedPath(current).value_or(start));
    if (!chosen)
        return;
    const QString path = NumberText::URLToFilePath(*chosen);
    // Next year written over this year's file would take this year's transactions with it.
    if (!current.isEmpty() && QFileInfo(path).absoluteFilePath() == QFileInfo(current).absoluteFilePath()) {
        _alerts.warning(tr("This is the budget you have open. Choose another file for next year's budget."));
        return;
    }
    if (!_dataSource.files().flushToGrid())
        return;
    BudgetDocument &document = _dataSource.document();
    DocumentSnapshot nextYear = NewYearBudget::from(document, current);
    if (!current.isEmpty())
        LastYearLink::setLink(nextYear.extensions, path, current);
    _dataSource.files().newFileAt(path, [&document, nextYear] { DocumentSetup::restore(document, nextYear); });
}

void YearCommands::menuFindTransactions()
{
    if (!_findDialog) {
        MainWindow &window = _dataSource.mainWindow();
        // Edits the register still holds are searched too.
        _findDialog = new FindTransactionsDialog([this] { return _dataSource.snapshot(); }, &window);
        _findDialog->setAttribute(Qt::WA_DeleteOnClose);
        FindTransactionsDialog *dialog = _findDialog;
        const BudgetDocument &document = _dataSource.document();
        connect(&document, &BudgetDocument::redisplayRequested, dialog, &FindTransactionsDialog::markStale);
        connect(&document, &BudgetDocument::rowsChanged, dialog, &FindTransactionsDialog::markStale);
        const voCheckViewData &month = _dataSource.checkView().tableData();
        connect(&month, &QAbstractItemModel::dataChanged, dialog, &FindTransactionsDialog::markStale);
        connect(&month, &QAbstractItemModel::rowsInserted, dialog, &FindTransactionsDialog::markStale);
        connect(&month, &QAbstractItemModel::rowsRemoved, dialog, &FindTransactionsDialog::markStale);
        connect(&month, &QAbstractItemModel::modelReset, dialog, &FindTransactionsDialog::markStale);
        connect(dialog, &FindTransactionsDialog::showRequested, this, &YearCommands::showInRegister);
        dialog->move(window.geometry().topLeft() + QPoint(60, 60));
    }
    _findDialog->show();
    _findDialog->raise();
    _findDialog->activateWindow();
    _findDialog->focusSearchField();
}

void YearCommands::showInRegister(const FoundTransaction &transaction)
{
    MainWindow &window = _dataSource.mainWindow();
    window.tabView()->setCurrentIndex(1);
    _dataSource.checkView().showRecord(transaction.month, transaction.category, transaction.entry);
    window.raise();
    window.activateWindow();
}

YearCommands::Printout YearCommands::currentPrintout() const
{
    const QString dataFile = _dataSource.dataFileName();
    const QString title = dataFile.isEmpty() ? tr("Budget") : QFileInfo(dataFile).completeBaseName();
    const voCheckViewData &month = _dataSource.checkView().tableData();
    if (_dataSource.selectedTabIndex() == 1 && month.heldMonth() >= 0) {
        return { PrintoutHtml::monthRegisterPage(PrintoutHtml::monthRegister(month, _dataSource.document()), title),
                 title, tr("%1 Register").arg(MonthDisplay::name(month.heldMonth())), false };
    }
    return {PrintoutHtml::budgetGrid(_dataSource.document(), title), title, tr("Budget Grid"), true};
}

void YearCommands::menuPrint()
{
    if (!_dataSource.flushPendingEdits())
        return;
    const Printout printout = currentPrintout();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(PrintPageSetup::pageLayoutFor(QLocale()));
    printer.setDocName(printout.title + u' ' + printout.name);
    QPrintPreviewDialog preview(&printer, &_dataSource.mainWindow());
    preview.setWindowTitle(tr("Print %1").arg(printout.name));
    preview.setAccessibleName(tr("Print preview"));
    preview.setWindowModality(Qt::ApplicationModal);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&printout](QPrinter *target) { PrintRenderer::render(printout.html, *target, printout.fitOnOnePage); });
    connect(&preview, &QDialog::finished, this, [&preview] { ModalLoop::current().stop(&preview); });
    preview.show();
    ModalLoop::current().run(&preview);
}

void YearCommands::menuExportPdf()
{
    if (!_dataSource.flushPendingEdits())
        return;
    const Printout printout = currentPrintout();
    // Beside the budget file, named after it: "household-2026 Budget Grid.pdf".
    const QString dataFile = _dataSource.dataFileName();
    const QString folder = dataFile.isEmpty() ? QDir::homePath() : QFileInfo(dataFile).absolutePath();
    const QString name = dataFile.isEmpty() ? printout.name : printout.title + u' ' + printout.name;
    const std::optional<QString> path = _filePanels.runExportPanel(
        &_dataSource.mainWindow(), tr("Export %1 as PDF").arg(printout.name), QDir(folder).filePath(name + QStringLiteral(".pdf")));
    if (!path)
        return;
    const QByteArray pdf = PrintRenderer::pdf(printout.html, PrintPageSetup::pageLayoutFor(QLocale()),
                                              printout.fitOnOnePage, printout.title + u' ' + printout.name);
    if (!AtomicFile::write(*path, pdf))
        _alerts.warning(tr("The PDF could not be written to \"%1\". Nothing was saved there.").arg(*path));
}
