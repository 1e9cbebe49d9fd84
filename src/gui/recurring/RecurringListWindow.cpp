#include "RecurringListWindow.h"

#include "RecurringEditorDialog.h"
#include "RecurringListModel.h"
#include "ui_RecurringList.h"

#include "document/BudgetDocument.h"
#include "editing/DocumentEditing.h"
#include "help/HandbookPage.h"

#include <QHeaderView>

namespace {

QStringList categoryNames(const BudgetDocument &document)
{
    QStringList names;
    for (int row = kFirstCategoryRow; row < document.getCatArray().size(); ++row)
        names << document.getCatArray()[row].desc;
    return names;
}

} // namespace

RecurringListWindow::RecurringListWindow(DocumentEditing &edits, Alerts &alerts, QWidget *parent)
    : QDialog(parent)
    , _ui(std::make_unique<Ui::RecurringList>())
    , _edits(edits)
    , _alerts(alerts)
    , _model(new RecurringListModel(edits.document(), this))
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("recurring"));
    _ui->_list->setModel(_model);
    _ui->_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(_ui->addButton, &QPushButton::clicked, this, &RecurringListWindow::add);
    connect(_ui->editButton, &QPushButton::clicked, this, &RecurringListWindow::edit);
    connect(_ui->deleteButton, &QPushButton::clicked, this, &RecurringListWindow::remove);
    connect(_ui->closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(_ui->_list, &QAbstractItemView::doubleClicked, this, &RecurringListWindow::edit);
    connect(_ui->_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RecurringListWindow::follow);
    connect(_model, &QAbstractItemModel::modelReset, this, &RecurringListWindow::follow);
    follow();
}

RecurringListWindow::~RecurringListWindow() = default;

int RecurringListWindow::selectedRow() const
{
    const QModelIndexList rows = _ui->_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void RecurringListWindow::follow()
{
    const bool selected = selectedRow() >= 0;
    _ui->editButton->setEnabled(selected);
    _ui->deleteButton->setEnabled(selected);
}

void RecurringListWindow::add()
{
    const BudgetDocument &document = _edits.document();
    RecurringTransaction fresh;
    fresh.rule = *RecurrenceRule::of(QDate::currentDate(), QStringLiteral("FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=%1")
                                                               .arg(QDate::currentDate().day()),
                                     WeekendShift::None);
    RecurringEditorDialog::edit(tr("New Recurring Transaction"), fresh, categoryNames(document),
                                [this](const RecurringTransaction &made) { return _edits.recurring().add(made); },
                                _alerts, this);
}

void RecurringListWindow::edit()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const RecurringItem item = _model->items().value(row);
    RecurringTransaction shown;
    if (item.transaction) {
        shown = *item.transaction;
    } else {
        // A broken record opens with what can be read of it, to be put right.
        shown.description = item.record.field(RecurringField::Description);
        shown.category = item.record.field(RecurringField::Category);
        shown.note = item.record.field(RecurringField::Note);
        shown.rule = RecurrenceRule::of(QDate::currentDate(), QStringLiteral("FREQ=MONTHLY"), WeekendShift::None)
                         .value_or(RecurrenceRule());
    }
    RecurringEditorDialog::edit(tr("Edit Recurring Transaction"), shown, categoryNames(_edits.document()),
                                [this, row](const RecurringTransaction &made) {
                                    return _edits.recurring().replace(row, made);
                                },
                                _alerts, this);
}

void RecurringListWindow::remove()
{
    const int row = selectedRow();
    if (row >= 0)
        (void)_edits.recurring().remove(row);
}
