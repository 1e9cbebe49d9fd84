#include "TagsCommands.h"

#include "TagTotalsModel.h"

#include "app/MainWindow.h"
#include "app/MyDataSource.h"
#include "document/BudgetDocument.h"
#include "document/DocumentSnapshot.h"
#include "platform/Alerts.h"
#include "platform/AtomicFile.h"
#include "platform/ExportPath.h"
#include "platform/FilePanels.h"
#include "platform/RefreshAfterBurst.h"
#include "print/LandscapeTablePdf.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "tags/TagTotalsCsv.h"

#include <QAction>
#include <QFileInfo>

TagsCommands::TagsCommands(MyDataSource &dataSource, FilePanels &filePanels, Alerts &alerts, QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _filePanels(filePanels)
    , _alerts(alerts)
    , _action(new QAction(tr("&Tags"), &dataSource.mainWindow()))
    , _refresh(new RefreshAfterBurst([this] { refresh(); }, this))
{
    _action->setObjectName(QStringLiteral("actionTags"));
    _action->setToolTip(tr("Show what was booked per tag of the notes and month"));
    _action->setStatusTip(_action->toolTip());
    connect(_action, &QAction::triggered, this, &TagsCommands::menuTags);
    _dataSource.mainWindow().insertActions(MenuPlace::WindowLast, {_action});

    const BudgetDocument &document = _dataSource.document();
    _refresh->follow(&document, &BudgetDocument::redisplayRequested);
    _refresh->follow(&document, &BudgetDocument::rowsChanged);
    // Notes typed into the register count before the month is written back.
    const voCheckViewData &month = _dataSource.checkView().tableData();
    _refresh->follow(&month, &QAbstractItemModel::dataChanged);
    _refresh->follow(&month, &QAbstractItemModel::rowsInserted);
    _refresh->follow(&month, &QAbstractItemModel::rowsRemoved);
    _refresh->follow(&month, &QAbstractItemModel::modelReset);
}

TagsCommands::~TagsCommands()
{
    delete _window;
}

QWidget *TagsCommands::dialogParent() const
{
    return _window ? static_cast<QWidget *>(_window) : &_dataSource.mainWindow();
}

void TagsCommands::menuTags()
{
    if (!_dataSource.flushPendingEdits())
        return;
    if (!_window) {
        MainWindow &main = _dataSource.mainWindow();
        _window = new TagsWindow(&main);
        _window->setAttribute(Qt::WA_DeleteOnClose);
        _window->move(main.geometry().topLeft() + QPoint(40, 40));
        connect(_window, &TagsWindow::exportCsvRequested, this, &TagsCommands::exportCsv);
        connect(_window, &TagsWindow::exportPdfRequested, this, &TagsCommands::exportPdf);
    }
    refresh();
    _window->show();
    _window->raise();
    _window->activateWindow();
}

void TagsCommands::refresh()
{
    if (_window)
        _window->showTotals(TagTotals::of(_dataSource.snapshot()));
}

std::optional<QString> TagsCommands::exportPath(const QString &title, const QString &suffix)
{
    return _filePanels.runExportPanel(dialogParent(), title,
                                      ExportPath::suggested(_dataSource.dataFileName(), tr("Tags"), suffix));
}

void TagsCommands::exportCsv()
{
    if (!_dataSource.flushPendingEdits())
        return;
    const std::optional<QString> path = exportPath(tr("Export Tags as CSV"), QStringLiteral("csv"));
    if (path && !AtomicFile::write(*path, TagTotalsCsv::of(TagTotals::of(_dataSource.snapshot()))))
        _alerts.warning(tr("The export could not be written to \"%1\". Nothing was saved there.").arg(*path));
}

void TagsCommands::exportPdf()
{
    if (!_dataSource.flushPendingEdits())
        return;
    const std::optional<QString> path = exportPath(tr("Export Tags as PDF"), QStringLiteral("pdf"));
    if (!path)
        return;
    TagTotalsModel table;
    table.setTotals(TagTotals::of(_dataSource.snapshot()));
    const QString dataFile = _dataSource.dataFileName();
    const QString title = dataFile.isEmpty() ? tr("Budget") : QFileInfo(dataFile).completeBaseName();
    const QByteArray pdf = LandscapeTablePdf::of(table, title, tr("Booked per tag and month"), title + u' ' + tr("Tags"));
    if (!AtomicFile::write(*path, pdf))
        _alerts.warning(tr("The PDF could not be written to \"%1\". Nothing was saved there.").arg(*path));
}
