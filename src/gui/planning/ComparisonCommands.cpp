#include "ComparisonCommands.h"

#include "PlanningCommands.h"
#include "YearComparisonModel.h"
#include "YearComparisonWindow.h"

#include "app/MainWindow.h"
#include "app/MyDataSource.h"
#include "document/BudgetDocument.h"
#include "editing/DocumentEditing.h"
#include "platform/Alerts.h"
#include "platform/AtomicFile.h"
#include "platform/Calendar.h"
#include "platform/ExportPath.h"
#include "platform/FilePanels.h"
#include "platform/ModalLoop.h"
#include "platform/RefreshAfterBurst.h"
#include "print/LandscapeTablePdf.h"
#include "year/BudgetYear.h"
#include "year/ComparisonCsv.h"

#include <QAction>
#include <QFileInfo>
#include <QInputDialog>

ComparisonCommands::ComparisonCommands(MyDataSource &dataSource, PlanningCommands &planning, FilePanels &filePanels,
                                       Alerts &alerts, QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _planning(planning)
    , _filePanels(filePanels)
    , _alerts(alerts)
    , _action(new QAction(tr("Compare with &Last Year"), &dataSource.mainWindow()))
    , _refresh(new RefreshAfterBurst([this] { refresh(); }, this))
{
    _action->setObjectName(QStringLiteral("actionCompareWithLastYear"));
    _action->setToolTip(tr("Compare what was booked per category and month with last year's budget"));
    _action->setStatusTip(_action->toolTip());
    connect(_action, &QAction::triggered, this, &ComparisonCommands::menuCompare);
    _dataSource.mainWindow().insertActions(MenuPlace::WindowLast, {_action});

    const BudgetDocument &document = _dataSource.document();
    _refresh->follow(&document, &BudgetDocument::redisplayRequested);
    _refresh->follow(&document, &BudgetDocument::rowsChanged);
    _refresh->follow(&document, &BudgetDocument::extensionsChanged);
    _refresh->follow(&_planning, &PlanningCommands::lastYearChanged);
}

ComparisonCommands::~ComparisonCommands()
{
    delete _window;
}

QDate ComparisonCommands::toDateEnd() const
{
    return YearComparison::toDateEnd(BudgetYear::of(_dataSource.document(), _dataSource.dataFileName()),
                                     _dataSource.calendar().now().date());
}

YearComparison ComparisonCommands::comparison() const
{
    return YearComparison::of(_dataSource.document(), _planning.lastYear().document(), toDateEnd());
}

QString ComparisonCommands::note() const
{
    if (!_planning.lastYear().isLinked())
        return tr("This budget names no last year's budget yet: choose it to see last year's figures.");
    return _planning.lastYear().note();
}

void ComparisonCommands::menuCompare()
{
    if (!_dataSource.flushPendingEdits())
        return;
    _planning.followLink();
    if (!_window) {
        MainWindow &main = _dataSource.mainWindow();
        _window = new YearComparisonWindow(&main);
        _window->setAttribute(Qt::WA_DeleteOnClose);
        _window->move(main.geometry().topLeft() + QPoint(40, 40));
        connect(_window, &YearComparisonWindow::chooseLastYearRequested, &_planning,
                &PlanningCommands::menuLastYearsBudget);
        connect(_window, &YearComparisonWindow::matchRequested, this, &ComparisonCommands::matchByHand);
        connect(_window, &YearComparisonWindow::exportCsvRequested, this, &ComparisonCommands::exportCsv);
        connect(_window, &YearComparisonWindow::exportPdfRequested, this, &ComparisonCommands::exportPdf);
    }
    refresh();
    _window->show();
    _window->raise();
    _window->activateWindow();
}

void ComparisonCommands::refresh()
{
    if (_window)
        _window->showComparison(comparison(), toDateEnd(), note());
}

std::optional<QString> ComparisonCommands::askLastName(const QString &category)
{
    const BudgetDocument *last = _planning.lastYear().document();
    const QString sameName = tr("The Same Name");
    QStringList names{sameName};
    const QList<CategoryRow> &rows = last->getCatArray();
    for (int at = kFirstCategoryRow; at < rows.size(); ++at)
        names << rows[at].desc;
    const QString matched = _planning.lastYear().matchOf(_dataSource.document().extensions(), category);

    QInputDialog dialog(_window ? static_cast<QWidget *>(_window) : &_dataSource.mainWindow());
    dialog.setWindowTitle(tr("Match by Hand"));
    dialog.setAccessibleName(tr("Match a category by hand"));
    dialog.setLabelText(tr("Last year, %1 was called:").arg(category));
    dialog.setComboBoxItems(names);
    dialog.setTextValue(matched.isEmpty() || matched == category ? sameName : matched);
    dialog.setWindowModality(Qt::ApplicationModal);
    connect(&dialog, &QDialog::finished, this, [&dialog] { ModalLoop::current().stop(&dialog); });
    dialog.show();
    ModalLoop::current().run(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue() == sameName ? QString() : dialog.textValue();
}

void ComparisonCommands::matchByHand(const QString &category)
{
    if (!_planning.lastYear().isLoaded() || _dataSource.document().rowOfCategory(category) < 0)
        return;
    const std::optional<QString> lastName = askLastName(category);
    if (!lastName)
        return;
    const EditAnswer answer = _dataSource.edits().planning().matchLastYear(category, *lastName);
    if (answer.isRefused())
        _alerts.warning(answer.message);
    refresh();
}

std::optional<QString> ComparisonCommands::exportPath(const QString &title, const QString &suffix)
{
    return _filePanels.runExportPanel(
        _window ? static_cast<QWidget *>(_window) : &_dataSource.mainWindow(), title,
        ExportPath::suggested(_dataSource.dataFileName(), tr("Compared with Last Year"), suffix));
}

void ComparisonCommands::exportCsv()
{
    if (!_dataSource.flushPendingEdits())
        return;
    const std::optional<QString> path = exportPath(tr("Export Comparison as CSV"), QStringLiteral("csv"));
    if (path && !AtomicFile::write(*path, ComparisonCsv::of(comparison())))
        _alerts.warning(tr("The export could not be written to \"%1\". Nothing was saved there.").arg(*path));
}

void ComparisonCommands::exportPdf()
{
    if (!_dataSource.flushPendingEdits())
        return;
    const std::optional<QString> path = exportPath(tr("Export Comparison as PDF"), QStringLiteral("pdf"));
    if (!path)
        return;
    YearComparisonModel table;
    table.setComparison(comparison(), toDateEnd());
    const QString dataFile = _dataSource.dataFileName();
    const QString title = dataFile.isEmpty() ? tr("Budget") : QFileInfo(dataFile).completeBaseName();
    const QString lastFile = QFileInfo(_planning.lastYear().path()).fileName();
    const QString subtitle = lastFile.isEmpty() ? tr("Booked per category and month, without last year's budget")
                                                : tr("Booked per category and month, against %1").arg(lastFile);
    const QByteArray pdf = LandscapeTablePdf::of(table, title, subtitle, title + u' ' + tr("Compared with Last Year"));
    if (!AtomicFile::write(*path, pdf))
        _alerts.warning(tr("The PDF could not be written to \"%1\". Nothing was saved there.").arg(*path));
}
