#pragma once

#include <QObject>
#include <QPointer>

class Alerts;
class FilePanels;
class FindTransactionsDialog;
class MyDataSource;
class QAction;
struct FoundTransaction;

/// The year's commands: File → New Year from This Budget, File → Print and
/// Export as PDF (the grid, or the month the register shows), and Edit →
/// Find Transactions. Creating it puts the commands into the menus.
class YearCommands final : public QObject
{
    Q_OBJECT

public:
    YearCommands(MyDataSource &dataSource, FilePanels &filePanels, Alerts &alerts, QObject *parent = nullptr);
    ~YearCommands() override;
    Q_DISABLE_COPY_MOVE(YearCommands)

    /// Asks for next year's file (this one's name with the year raised by
    /// one), then leaves this budget as New does and opens next year's: the
    /// same categories, budgets and envelopes, no transactions.
    void menuNewYear();
    /// Opens the find window, or brings the open one forward.
    void menuFindTransactions();
    /// A print preview of the grid, or of the register's month on the register tab.
    void menuPrint();
    /// Asks where to, then writes what Print would print as a PDF.
    void menuExportPdf();

    /// The find window while it is open.
    [[nodiscard]] FindTransactionsDialog *findDialog() const;

private:
    struct Printout
    {
        QString html;
        QString title;
        QString name; // what the printout is, for file names: "Budget Grid", "January Register"
        bool fitOnOnePage = false;
    };

    QAction *addAction(const QString &objectName, const QString &text, void (YearCommands::*command)());
    void installInMenus();
    /// Shows the register on the transaction's month with it selected.
    void showInRegister(const FoundTransaction &transaction);
    [[nodiscard]] Printout currentPrintout() const;

    MyDataSource &_dataSource;
    FilePanels &_filePanels;
    Alerts &_alerts;
    QAction *_newYearAction;
    QAction *_findAction;
    QAction *_printAction;
    QAction *_exportPdfAction;
    QPointer<FindTransactionsDialog> _findDialog;
};
