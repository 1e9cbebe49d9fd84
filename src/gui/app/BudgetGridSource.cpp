#include "BudgetGridSource.h"

#include "BudgetGridModel.h"
#include "BudgetGridView.h"
#include "MainWindow.h"

#include "document/BudgetDocument.h"
#include "document/NumberText.h"
#include "editing/DocumentEditing.h"
#include "editing/DocumentSetup.h"
#include "platform/Alerts.h"
#include "register/voEnvelopeWinController.h"
#include "register/voEnvelopeWinData.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QPushButton>

namespace {

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

BudgetGridSource::BudgetGridSource(DocumentEditing &edits, Alerts &alerts, MainWindow &mainWindow,
                                    QPushButton &fillEnvelope, QObject *parent)
    : QObject(parent)
    , _edits(edits)
    , _document(&edits.document())
    , _alerts(alerts)
    , _mainWindow(mainWindow)
    , _ourTableView(mainWindow.tableView())
    , _fillEnvelope(fillEnvelope)
    , _gridModel(new BudgetGridModel(edits.document(), *this, this))
{
    _ourTableView->setModel(_gridModel);
    _ourTableView->fitColumns();
    connect(_document, &BudgetDocument::rowsAboutToChange, _gridModel, &BudgetGridModel::beginRowsChange);
    connect(_document, &BudgetDocument::rowsChanged, _gridModel, &BudgetGridModel::endRowsChange);
    connect(_document, &BudgetDocument::redisplayRequested, _gridModel, &BudgetGridModel::redisplay);
    _ourTableView->setEditCheck([this](int column, int row) {
        return shouldEditTableColumn(BudgetGridModel::columnId(column), row);
    });

    // The grid's buttons run the same menu commands.
    connect(_mainWindow.action(MenuCommand::NewCategory), &QAction::triggered, this, &BudgetGridSource::btnNewCategory);
    connect(_mainWindow.action(MenuCommand::DeleteCategory), &QAction::triggered, this,
            &BudgetGridSource::btnDeleteCategory);
}

bool BudgetGridSource::envelopeView() const
{
    return _document->isEnvelopeEnabled();
}

void BudgetGridSource::setEnvelopeView(bool on)
{
    DocumentSetup::setEnvelopeView(*_document, on);
    _fillEnvelope.setEnabled(on);
}

int BudgetGridSource::numberOfRowsInTableView() const
{
    return _gridModel->numberOfRowsInTableView();
}

bool BudgetGridSource::setObjectValue(const QString &value, const QString &columnId, int row)
{
    if (row < 0 || row >= numberOfRowsInTableView())
        return false;
    const int month = MonthTables::findMonth(columnId);
    EditAnswer answer;
    if (columnId == kDescId)
        answer = _edits.categories().renameCategory(row, value);
    else if (row == kBudgetRowIndex && month >= 0)
        answer = _edits.amounts().setBudget(month, value);
    if (answer.isRefused())
        _alerts.warning(answer.message);
    return answer.isChanged();
}

bool BudgetGridSource::shouldEditTableColumn(const QString &columnId, int row)
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
        _alerts.inform(tr("No Categories Defined"),
                       tr("Please create at least 1 category.\n\nHINT: Edit -> New Category"));
        return false;
    }
    if (!envelopeView())
        return true;
    _ourTableView->clearSelection();
    voEnvelopeWinController editor(_edits, _alerts, &_mainWindow);
    editor.openMonth(MonthTables::findMonth(columnId), &_mainWindow);
    editor.startModal();
    return false;
}

bool BudgetGridSource::writeRowsWithIndexes(const QList<int> &rows, QMimeData &pasteboard) const
{
    // The fixed rows never move, so a drag that starts on one is refused.
    if (rows.isEmpty() || rows.first() < kFirstCategoryRow)
        return false;
    pasteboard.setData(BudgetGridModel::kDragType, archiveRows(rows));
    return true;
}

bool BudgetGridSource::validateDrop(int proposedRow) const
{
    return proposedRow >= kFirstCategoryRow && proposedRow <= numberOfRowsInTableView();
}

bool BudgetGridSource::acceptDrop(const QMimeData &pasteboard, int row)
{
    const QList<int> rows = unarchiveRows(pasteboard.data(BudgetGridModel::kDragType));
    if (rows.isEmpty() || rows.first() < kFirstCategoryRow || rows.first() >= numberOfRowsInTableView()
        || !validateDrop(row))
        return false;
    (void)_edits.categories().moveCategory(rows.first(), row);
    return true;
}

void BudgetGridSource::updateView()
{
    // The editing layer keeps the figures current; they only need showing.
    _gridModel->redisplay();
}

void BudgetGridSource::btnNewCategory()
{
    (void)_edits.categories().createCategory(_document->uniqueCategoryName(kDefaultCategoryName));
    _ourTableView->clearSelection();
    const QModelIndex name = _gridModel->index(numberOfRowsInTableView() - 1, 0);
    _ourTableView->setCurrentIndex(name);
    _ourTableView->selectRow(name.row());
    _ourTableView->setFocus();
    _ourTableView->edit(name);
}

void BudgetGridSource::btnDeleteCategory()
{
    const int row = selectedRow();
    // The Budget row can be selected but is no category.
    if (row < kFirstCategoryRow) {
        _alerts.inform(tr("No SelectedCategory"), tr("Please select a category."));
        return;
    }
    const QString name = _document->getCatArray()[row].desc;
    if (!_alerts.confirm(tr("Confirm Delete"), tr("Are you sure you want to delete category %1").arg(name),
                         Alerts::Button::Cancel))
        return;
    _ourTableView->clearSelection();
    (void)_edits.categories().deleteCategory(row);
}

int BudgetGridSource::selectedRow() const
{
    const QModelIndexList rows = _ourTableView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
