#include "FindTransactionsDialog.h"

#include "help/HandbookPage.h"
#include "FindResultsModel.h"
#include "document/DocumentSnapshot.h"
#include "year/MoneyText.h"
#include "year/TransactionQuery.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Edits come in bursts (typing in the register): search once they pause.
constexpr int kStaleDelayMs = 300;

} // namespace

FindTransactionsDialog::FindTransactionsDialog(std::function<DocumentSnapshot()> source, QWidget *parent)
    : QDialog(parent)
    , _source(std::move(source))
    , _model(new FindResultsModel(this))
    , _field(new QLineEdit(this))
    , _view(new QTableView(this))
    , _summary(new QLabel(this))
    , _showButton(new QPushButton(tr("&Show in Register"), this))
    , _staleTimer(new QTimer(this))
{
    HandbookPage::set(*this, QStringLiteral("finding-and-printing"));
    setWindowTitle(tr("Find Transactions"));
    setObjectName(QStringLiteral("findTransactionsDialog"));
    setAccessibleName(tr("Find Transactions"));
    setSizeGripEnabled(true);

    auto *label = new QLabel(tr("&Find:"), this);
    label->setBuddy(_field);
    _field->setObjectName(QStringLiteral("findField"));
    _field->setAccessibleName(tr("Find text, amount, range or tag"));
    _field->setPlaceholderText(tr("Description, note, category, amount, a range such as > 100, or a tag such as #holiday"));
    _field->setToolTip(tr("Type what to find: words of a description, note or category, an amount, a range "
                          "such as > 100 or 10..20, or a tag such as #holiday (with more words, both); Down goes "
                          "to the list"));
    _field->setClearButtonEnabled(true);
    _field->installEventFilter(this);

    _view->setObjectName(QStringLiteral("findResults"));
    _view->setAccessibleName(tr("Found transactions"));
    _view->setToolTip(tr("The transactions of the year that match; Enter shows one in the register"));
    _view->setModel(_model);
    _view->setSelectionBehavior(QAbstractItemView::SelectRows);
    _view->setSelectionMode(QAbstractItemView::SingleSelection);
    _view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    _view->setTabKeyNavigation(false);
    _view->verticalHeader()->hide();
    // Fixed row heights: the view never measures thousands of rows.
    _view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    _view->horizontalHeader()->setSectionResizeMode(int(FindResultsModel::Column::Description), QHeaderView::Stretch);
    _view->horizontalHeader()->setSectionResizeMode(int(FindResultsModel::Column::Category), QHeaderView::Stretch);

    _summary->setObjectName(QStringLiteral("findSummary"));
    _summary->setAccessibleName(tr("Found transactions and their total"));
    _summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(_showButton, QDialogButtonBox::ActionRole);
    _showButton->setObjectName(QStringLiteral("showInRegisterButton"));
    _showButton->setAccessibleName(tr("Show in Register"));
    _showButton->setToolTip(tr("Show the selected transaction in its month's register"));
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeFindButton"));
    close->setAccessibleName(tr("Close"));
    close->setToolTip(tr("Close this window (Esc)"));
    // Enter belongs to the field and the list, which show the transaction;
    // a default button would take it a second time.
    for (QPushButton *button : {_showButton, close}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto *fieldRow = new QHBoxLayout;
    fieldRow->addWidget(label);
    fieldRow->addWidget(_field, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fieldRow);
    layout->addWidget(_view, 1);
    layout->addWidget(_summary);
    layout->addWidget(buttons);
    resize(720, 440);

    _staleTimer->setSingleShot(true);
    _staleTimer->setInterval(kStaleDelayMs);
    connect(_staleTimer, &QTimer::timeout, this, &FindTransactionsDialog::refreshIfStale);
    connect(_field, &QLineEdit::textChanged, this, &FindTransactionsDialog::search);
    connect(_field, &QLineEdit::returnPressed, this, &FindTransactionsDialog::showCurrent);
    connect(_view, &QAbstractItemView::activated, this, &FindTransactionsDialog::showCurrent);
    connect(_showButton, &QPushButton::clicked, this, &FindTransactionsDialog::showCurrent);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateSummary();
}

FindTransactionsDialog::~FindTransactionsDialog() = default;

void FindTransactionsDialog::markStale()
{
    _stale = true;
    if (isVisible())
        _staleTimer->start();
}

void FindTransactionsDialog::focusSearchField()
{
    _field->setFocus(Qt::ShortcutFocusReason);
    _field->selectAll();
}

void FindTransactionsDialog::done(int result)
{
    // Without a window manager (or with a slow one) nothing else would give
    // the main window the focus back.
    if (QWidget *opener = parentWidget())
        opener->window()->activateWindow();
    QDialog::done(result);
}

void FindTransactionsDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshIfStale();
}

void FindTransactionsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    refreshIfStale();
}

bool FindTransactionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Down from the field goes into the list, as in a search box.
    if (watched == _field && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && _model->rowCount() > 0) {
        _view->setFocus(Qt::TabFocusReason);
        if (!_view->currentIndex().isValid())
            _view->setCurrentIndex(_model->index(0, 0));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FindTransactionsDialog::refreshIfStale()
{
    if (!_stale)
        return;
    _stale = false;
    _staleTimer->stop();
    _model->rebuild(_source());
    search();
}

void FindTransactionsDialog::search()
{
    _model->search(TransactionQuery::parse(_field->text()));
    if (_model->rowCount() > 0)
        _view->setCurrentIndex(_model->index(0, 0));
    updateSummary();
}

void FindTransactionsDialog::updateSummary()
{
    const int count = _model->rowCount();
    _showButton->setEnabled(count > 0);
    if (_field->text().trimmed().isEmpty())
        _summary->setText(tr("Type to search every month of the year."));
    else if (count == 0)
        _summary->setText(tr("No transactions found."));
    else if (count == 1)
        _summary->setText(tr("1 transaction found, total %1").arg(moneyText(_model->total())));
    else
        _summary->setText(tr("%1 transactions found, total %2").arg(count).arg(moneyText(_model->total())));
}

void FindTransactionsDialog::showCurrent()
{
    QModelIndex current = _view->currentIndex();
    if (!current.isValid() && _model->rowCount() > 0)
        current = _model->index(0, 0);
    if (current.isValid())
        emit showRequested(_model->transaction(current.row()));
}
