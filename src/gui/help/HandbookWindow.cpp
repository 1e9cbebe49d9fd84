#include "HandbookWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString keysText(QKeySequence::StandardKey key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

QPushButton *addButton(QHBoxLayout &row, const QString &text, const QString &accessibleName, const QString &tip,
                       QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setAccessibleName(accessibleName);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

} // namespace

HandbookWindow::HandbookWindow(QWidget *parent, QString language)
    : QDialog(parent)
    , _language(std::move(language))
    , _search(new QLineEdit(this))
    , _list(new QListWidget(this))
    , _found(new QLabel(this))
    , _browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("handbookWindow"));
    setWindowTitle(tr("Orrinwick Handbook"));
    setAccessibleName(tr("Orrinwick Handbook"));
    setSizeGripEnabled(true);
    resize(880, 600);

    auto *bar = new QHBoxLayout;
    _back = addButton(*bar, tr("&Back"), tr("Back"),
                      tr("Go back to the page shown before (%1)").arg(keysText(QKeySequence::Back)), this);
    _forward = addButton(*bar, tr("&Forward"), tr("Forward"),
                         tr("Go forward again (%1)").arg(keysText(QKeySequence::Forward)), this);
    _home = addButton(*bar, tr("&Contents"), tr("Contents page"), tr("Show the handbook's contents"), this);
    _back->setShortcut(QKeySequence::Back);
    _forward->setShortcut(QKeySequence::Forward);
    _back->setEnabled(false);
    _forward->setEnabled(false);
    bar->addStretch();
    auto *searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(_search);
    bar->addWidget(searchLabel);
    _search->setObjectName(QStringLiteral("handbookSearch"));
    _search->setAccessibleName(tr("Search the handbook"));
    _search->setToolTip(tr("Type words to list the pages that hold them; Enter finds the next place on the page (%1)")
                            .arg(keysText(QKeySequence::Find)));
    _search->setPlaceholderText(tr("Words to find"));
    _search->setClearButtonEnabled(true);
    _search->setMinimumWidth(220);
    bar->addWidget(_search);
    auto *findAction = new QAction(this);
    findAction->setShortcut(QKeySequence::Find);
    connect(findAction, &QAction::triggered, this, [this] {
        _search->setFocus(Qt::ShortcutFocusReason);
        _search->selectAll();
    });
    addAction(findAction);

    _list->setObjectName(QStringLiteral("handbookPages"));
    _list->setAccessibleName(tr("Handbook pages"));
    _list->setToolTip(tr("The handbook's pages; Enter or a click shows one"));
    _found->setObjectName(QStringLiteral("handbookFound"));
    _found->setWordWrap(true);
    _found->hide();
    _browser->setObjectName(QStringLiteral("handbookPage"));
    _browser->setAccessibleName(tr("Handbook page"));
    _browser->setToolTip(tr("The page; Tab moves between its links and Enter follows one"));
    _browser->setOpenLinks(true);
    _browser->setOpenExternalLinks(true);
    _browser->setSearchPaths({QStringLiteral(":/handbook/") + _language});

    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(_list);
    leftLayout->addWidget(_found);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 640});
    splitter->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(_back, &QPushButton::clicked, _browser, &QTextBrowser::backward);
    connect(_forward, &QPushButton::clicked, _browser, &QTextBrowser::forward);
    connect(_home, &QPushButton::clicked, this, [this] { showPage(Handbook::kContentsPage); });
    connect(_browser, &QTextBrowser::backwardAvailable, _back, &QPushButton::setEnabled);
    connect(_browser, &QTextBrowser::forwardAvailable, _forward, &QPushButton::setEnabled);
    connect(_browser, &QTextBrowser::sourceChanged, this, &HandbookWindow::pageShown);
    connect(_search, &QLineEdit::textChanged, this, &HandbookWindow::fillList);
    connect(_search, &QLineEdit::returnPressed, this, &HandbookWindow::findOnPage);
    connect(_list, &QListWidget::itemActivated, this, &HandbookWindow::openListedPage);
    connect(_list, &QListWidget::itemClicked, this, &HandbookWindow::openListedPage);

    fillList();
    showPage(Handbook::kContentsPage);
}

HandbookWindow::~HandbookWindow() = default;

void HandbookWindow::showPage(const QString &page)
{
    const QString shown = Handbook::hasPage(page, _language) ? page : Handbook::kContentsPage;
    if (shown == this->page())
        return;
    _browser->setSource(Handbook::pageUrl(shown, _language), QTextDocument::MarkdownResource);
}

QString HandbookWindow::page() const
{
    return Handbook::pageOf(_browser->source());
}

void HandbookWindow::fillList()
{
    const QString words = _search->text().trimmed();
    const QList<Handbook::Entry> entries =
        words.isEmpty() ? Handbook::contents(_language) : Handbook::pagesMentioning(words, _language);
    _list->clear();
    for (const Handbook::Entry &entry : entries) {
        auto *item = new QListWidgetItem(entry.title, _list);
        item->setData(Qt::UserRole, entry.page);
    }
    _found->setVisible(!words.isEmpty());
    _found->setText(entries.isEmpty() ? tr("No page holds \"%1\".").arg(words)
                    : entries.size() == 1 ? tr("1 page holds \"%1\".").arg(words)
                                          : tr("%1 pages hold \"%2\".").arg(entries.size()).arg(words));
    pageShown();
}

void HandbookWindow::openListedPage()
{
    const QListWidgetItem *item = _list->currentItem();
    if (!item)
        return;
    showPage(item->data(Qt::UserRole).toString());
    if (!_search->text().trimmed().isEmpty()) {
        _browser->moveCursor(QTextCursor::Start);
        findOnPage();
    }
}

void HandbookWindow::pageShown()
{
    const QString shown = page();
    for (int row = 0; row < _list->count(); ++row) {
        if (_list->item(row)->data(Qt::UserRole).toString() == shown) {
            const QSignalBlocker quiet(_list);
            _list->setCurrentRow(row);
            return;
        }
    }
    _list->clearSelection();
}

void HandbookWindow::findOnPage()
{
    const QString word = Handbook::folded(_search->text().trimmed().section(u' ', 0, 0));
    if (word.isEmpty())
        return;
    // The page folded as the search folds it, each character remembering
    // where it came from, so "Umschlage" marks "Umschläge".
    const QString text = _browser->document()->toPlainText();
    QString folded;
    QList<int> origin;
    for (int at = 0; at < text.size(); ++at) {
        for (const QChar c : Handbook::folded(text.mid(at, 1))) {
            folded.append(c);
            origin.append(at);
        }
    }
    const int from = int(std::lower_bound(origin.cbegin(), origin.cend(), _browser->textCursor().selectionEnd())
                         - origin.cbegin());
    qsizetype found = folded.indexOf(word, from);
    if (found < 0)
        found = folded.indexOf(word);
    if (found < 0)
        return;
    QTextCursor mark(_browser->document());
    mark.setPosition(origin[found]);
    mark.setPosition(origin[found + word.size() - 1] + 1, QTextCursor::KeepAnchor);
    _browser->setTextCursor(mark);
}
