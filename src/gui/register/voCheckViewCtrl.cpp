#include "voCheckViewCtrl.h"

#include "ItemEditing.h"
#include "ui_CheckView.h"
#include "voCategoryEditWinCtrl.h"
#include "register/voCategoryEditWinData.h"
#include "register/voCheckViewData.h"
#include "voCheckViewDelegate.h"
#include "voEnvelopeWinController.h"
#include "register/voEnvelopeWinData.h"

#include "document/BudgetDocument.h"
#include "document/DocumentSnapshot.h"
#include "editing/DocumentEditing.h"
#include "document/MonthTables.h"
#include "platform/Alerts.h"
#include "platform/Calendar.h"
#include "document/Decimal.h"
#include "platform/MoneyDisplay.h"
#include "document/MonthDisplay.h"
#include "platform/ReadableColors.h"
#include "recurring/RecurringDue.h"
#include "tags/NoteTags.h"
#include "tags/TagTotals.h"

#include <algorithm>

voCheckViewCtrl::voCheckViewCtrl(DocumentEditing &edits, Alerts &alerts, const Calendar &calendar, QWidget *parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::CheckView>())
    , _edits(edits)
    , _document(edits.document())
    , _alerts(alerts)
    , _calendar(calendar)
    , _ourData(new voCheckViewData(edits, *this, this))
{
    _ui->setupUi(this);
    _ourTableView = _ui->_ourTableView;
    _title = _ui->_title;
    _totalAmount = _ui->_totalAmount;
    _remainAmount = _ui->_remainAmount;
    _remainTitle = _ui->_remainTitle;

    QFont titleFont = _title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    _title->setFont(titleFont);
    _title->setAlignment(Qt::AlignCenter);
    _totalAmount->setTextInteractionFlags(Qt::TextSelectableByMouse);
    _remainAmount->setTextInteractionFlags(Qt::TextSelectableByMouse);

    _ourTableView->setModel(_ourData);
    _ourTableView->setSelectionModel(_ourData->selectionModel());
    _ourTableView->setItemDelegate(new voCheckViewDelegate(*_ourData, [this] { return yearTags(); }, _ourTableView));
    keepFocusAfterEditing(*_ourTableView);
    sizeColumns();

    _ui->previousMonthButton->setShortcut(QKeySequence::Back);
    _ui->nextMonthButton->setShortcut(QKeySequence::Forward);
    _ui->btnEditEnvelopes->setEnabled(_document.isEnvelopeEnabled());

    connect(_ourTableView->horizontalHeader(), &QHeaderView::sectionClicked, this, &voCheckViewCtrl::shouldSelectTableColumn);
    connect(_ourData, &voCheckViewData::editRequested, this, &voCheckViewCtrl::startEditing);
    connect(_ourData, &voCheckViewData::editRefused, this, [this](const QString &message) { _alerts.warning(message); });
    connect(_ui->previousMonthButton, &QToolButton::clicked, this, &voCheckViewCtrl::decrementMonth);
    connect(_ui->nextMonthButton, &QToolButton::clicked, this, &voCheckViewCtrl::incrementMonth);
    connect(_ui->addButton, &QPushButton::clicked, this, &voCheckViewCtrl::addData);
    connect(_ui->deleteButton, &QPushButton::clicked, this, &voCheckViewCtrl::delData);
    connect(_ui->carryOverButton, &QPushButton::clicked, this, &voCheckViewCtrl::carryOver);
    connect(_ui->btnEditEnvelopes, &QPushButton::clicked, this, &voCheckViewCtrl::btnEditEnvelopes);
    connect(_ui->btnEditCategories, &QPushButton::clicked, this, &voCheckViewCtrl::btnEditCategories);
}

voCheckViewCtrl::~voCheckViewCtrl()
{
    // An edit still open would be committed while the window goes, after
    // this object no longer hears of the totals.
    finishEditing(*_ourTableView);
}

QPushButton *voCheckViewCtrl::fillEnvelopeButton() const
{
    return _ui->btnEditEnvelopes;
}

QPushButton *voCheckViewCtrl::recurringButton() const
{
    return _ui->recurringButton;
}

QPushButton *voCheckViewCtrl::splitButton() const
{
    return _ui->splitButton;
}

void voCheckViewCtrl::initView()
{
    // Normally nothing is loaded here; a month that is would lose its edits.
    closeView();
    _monthIndex = _calendar.currentMonth() - 1;
    if (_monthIndex < 0 || _monthIndex >= MonthTables::kMonthCount)
        _monthIndex = 0;
    loadMonth();
    _ourData->sortByMethod(voCheckViewData::kSortByDay);
}

void voCheckViewCtrl::closeView()
{
    finishEditing(*_ourTableView);
    _ourData->storeAndReleaseMonthData();
}

void voCheckViewCtrl::commitEditing()
{
    finishEditing(*_ourTableView);
}

void voCheckViewCtrl::storeMonth()
{
    _ourData->writeBack();
}

void voCheckViewCtrl::reloadMonth()
{
    _ourData->reload();
}

void voCheckViewCtrl::showRecord(int month, const QString &category, const Entry &entry)
{
    if (month < 0 || month >= MonthTables::kMonthCount)
        return;
    finishEditing(*_ourTableView);
    if (month != _monthIndex || _ourData->heldMonth() < 0) {
        _ourData->storeAndReleaseMonthData();
        _monthIndex = month;
        loadMonth();
    }
    const int row = _ourData->rowOfRecord(category, entry);
    if (row < 0)
        return;
    const QModelIndex index = _ourData->index(row, int(voCheckViewData::columnIds().indexOf(kDescId)));
    _ourTableView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                                | QItemSelectionModel::Rows);
    _ourTableView->scrollTo(index);
    _ourTableView->setFocus(Qt::OtherFocusReason);
}

void voCheckViewCtrl::incrementMonth()
{
    if (_monthIndex >= MonthTables::kMonthCount - 1)
        return;
    finishEditing(*_ourTableView);
    _ourData->storeAndReleaseMonthData();
    ++_monthIndex;
    loadMonth();
}

void voCheckViewCtrl::decrementMonth()
{
    if (_monthIndex <= 0)
        return;
    finishEditing(*_ourTableView);
    _ourData->storeAndReleaseMonthData();
    --_monthIndex;
    loadMonth();
}

void voCheckViewCtrl::shouldSelectTableColumn(int column)
{
    const int method = voCheckViewData::sortMethodForColumn(voCheckViewData::columnIds().value(column));
    if (method < 0)
        return;
    finishEditing(*_ourTableView);
    _ourData->sortByMethod(method);
}

bool voCheckViewCtrl::validateSelection(const QList<int> &rows, const QString &errorMessage)
{
    if (!rows.isEmpty())
        return true;
    _alerts.inform(tr("No Entry Selected"), errorMessage);
    return false;
}

void voCheckViewCtrl::addData()
{
    finishEditing(*_ourTableView);
    const EditAnswer answer = _ourData->addData();
    if (answer.isRefused())
        _alerts.inform(tr("No Categories Defined"), answer.message);
}

void voCheckViewCtrl::delData()
{
    finishEditing(*_ourTableView);
    QList<int> rows = _ourData->selectedRows();
    if (!validateSelection(rows, tr("Please select item(s) to delete.")))
        return;
    const MonthSplits &splits = _ourData->splits();
    const auto isPart = [this, &splits](int row) { return splits.partOf(_ourData->record(row).id).has_value(); };
    if (!std::any_of(rows.cbegin(), rows.cend(), isPart)) {
        _ourData->selectionModel()->clearSelection();
        if (_alerts.confirm(tr("Confirm Delete"), tr("Are you sure you want to delete selected items?"),
                            Alerts::Button::Cancel))
            _ourData->deleteRows(rows);
        return;
    }
    const int parts = int(std::count_if(rows.cbegin(), rows.cend(), isPart));
    const Alerts::Button answer = _alerts.show(
        {Alerts::Kind::Question, tr("Delete Part of a Split"),
         parts == 1 ? tr("The selected transaction is a part of a split. Delete the whole split, or only this part?")
                    : tr("The selected transactions are parts of splits. Delete the whole splits, or only these parts?"),
         {{Alerts::Button::Action, tr("Delete Whole Split")},
          {Alerts::Button::OtherAction, parts == 1 ? tr("Delete This Part") : tr("Delete These Parts")},
          {Alerts::Button::Cancel}},
         Alerts::Button::Cancel});
    if (answer == Alerts::Button::Cancel)
        return;
    if (answer == Alerts::Button::Action) {
        for (const int row : QList<int>(rows)) {
            if (const MonthSplits::Split *split = splits.splitOf(_ourData->record(row).id)) {
                for (const quint64 id : split->parts)
                    rows.append(_ourData->rowOfRecord(id));
            }
        }
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    _ourData->deleteRows(rows);
}

void voCheckViewCtrl::carryOver()
{
    finishEditing(*_ourTableView);
    if (!validateSelection(_ourData->selectedRows(), tr("Please select item(s) to carry-over.")))
        return;
    const int next = _monthIndex + 1;
    if (_ourData->heldMonth() < 0 || next >= MonthTables::kMonthCount)
        return;
    if (_alerts.confirm(tr("Confirm Carry-Over"), tr("Insert data into %1 ?").arg(MonthDisplay::name(next)),
                        Alerts::Button::Action, tr("Insert")))
        (void)_ourData->carryOverData();
}

void voCheckViewCtrl::btnEditEnvelopes()
{
    const int month = _ourData->heldMonth();
    if (month < 0)
        return;
    finishEditing(*_ourTableView);
    voEnvelopeWinController editor(_edits, _alerts, window());
    editor.openMonth(month, window());
    editor.startModal();
    _ourData->updateTotals();
}

void voCheckViewCtrl::btnEditCategories()
{
    const int month = _ourData->heldMonth();
    if (month < 0)
        return;
    finishEditing(*_ourTableView);
    _ourData->storeAndReleaseMonthData();
    {
        voCategoryEditWinCtrl editor(_edits, _alerts, window());
        editor.showFromTitleBar(window(), true);
        editor.startModal();
    }
    _ourData->loadMonth(month);
}

void voCheckViewCtrl::setMonthTitle(int month) { _title->setText(MonthDisplay::name(month)); }

void voCheckViewCtrl::setTotal(const QString &total, const QString &remaining)
{
    _totalAmount->setText(MoneyDisplay::format(total));
    _remainAmount->setText(MoneyDisplay::format(remaining));
    QPalette palette = _remainAmount->palette();
    const bool negative = Decimal::fromText(remaining).sign() < 0;
    palette.setColor(QPalette::WindowText,
                     negative ? ReadableColors::negativeFigure(palette.color(QPalette::Window))
                              : _remainTitle->palette().color(QPalette::WindowText));
    _remainAmount->setPalette(palette);
    showStillDue(Decimal::fromText(remaining));
}

void voCheckViewCtrl::showStillDue(const Decimal &remaining)
{
    // What the month comes to once the recurring transactions still due in it are entered.
    const int year = _document.extensions().year().value_or(_calendar.now().date().year());
    const QDate first(year, _monthIndex + 1, 1);
    const QList<RecurringItem> items = RecurringRecords::read(_document);
    const QList<DueOccurrence> due = RecurringDue::between(items, year, first, first.addMonths(1).addDays(-1));
    _ui->_stillDue->setVisible(!due.isEmpty());
    if (due.isEmpty())
        return;
    Decimal after = remaining;
    for (const DueOccurrence &occurrence : due)
        after -= Decimal::fromText(items[occurrence.item].transaction->amount);
    const QString figure = MoneyDisplay::format(after.toText());
    _ui->_stillDue->setText(due.size() == 1 ? tr("After the 1 still due: %1").arg(figure)
                                            : tr("After the %1 still due: %2").arg(due.size()).arg(figure));
}

void voCheckViewCtrl::loadMonth()
{
    _ourData->loadMonth(_monthIndex);
    _ui->previousMonthButton->setEnabled(_monthIndex > 0);
    _ui->nextMonthButton->setEnabled(_monthIndex < MonthTables::kMonthCount - 1);
}

void voCheckViewCtrl::sizeColumns()
{
    // Widths come from the font, not from the rows: sizing columns to their
    // contents would measure thousands of cells after every sort.
    QHeaderView *header = _ourTableView->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics(_ourTableView->font());
    const int padding = 4 * _ourTableView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, _ourTableView);
    const auto column = [](const char *id) { return int(voCheckViewData::columnIds().indexOf(QLatin1String(id))); };
    const auto fit = [&](const char *id, const QString &widest) {
        const int section = column(id);
        header->resizeSection(section, qMax(header->sectionSizeHint(section),
                                            metrics.horizontalAdvance(widest) + padding));
    };
    fit("reconciled", QString());
    fit("day", QStringLiteral("00"));
    fit("amount", QStringLiteral("-00000.00"));
    fit("category", QStringLiteral("Entertainment"));
    header->setSectionResizeMode(column("desc"), QHeaderView::Stretch);
    header->setSectionResizeMode(column("note"), QHeaderView::Stretch);
}

void voCheckViewCtrl::startEditing(const QModelIndex &index)
{
    _ourTableView->scrollTo(index);
    _ourTableView->setFocus();
    _ourTableView->edit(index);
}

QStringList voCheckViewCtrl::yearTags() const
{
    // The other months from the document, this one as the register holds it.
    QStringList tags = TagTotals::of(DocumentSnapshot::take(_document)).tags();
    for (int row = 0; row < _ourData->recordCount(); ++row)
        tags += NoteTags::of(_ourData->recordAt(row).note);
    tags.removeDuplicates();
    tags.sort();
    return tags;
}
