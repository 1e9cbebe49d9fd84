#include "WelcomePanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton *addButton(QHBoxLayout &row, const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    QString name = text;
    button->setAccessibleName(name.remove(u'&').remove(QStringLiteral("…")));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

} // namespace

WelcomePanel::WelcomePanel(QTableView &grid)
    : QFrame(grid.viewport())
    , _grid(grid)
{
    setObjectName(QStringLiteral("welcomePanel"));
    setAccessibleName(tr("Welcome"));
    setFrameShape(QFrame::NoFrame);

    auto *title = new QLabel(tr("<b>Welcome to Orrinwick.</b>"), this);
    auto *text = new QLabel(tr("Your budget has no categories yet. Start with the common ones of a household "
                               "and type what each may cost a month, open a budget you already keep, or let a "
                               "statement from your bank bring in what you spent. F1 opens the handbook."),
                            this);
    text->setWordWrap(true);
    text->setMinimumWidth(480);
    for (QLabel *label : {title, text})
        label->setAlignment(Qt::AlignHCenter);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    _common = addButton(*buttons, tr("Start with &Common Categories…"),
                        tr("Pick common household categories and their monthly amounts"), this);
    _open = addButton(*buttons, tr("&Open a Budget…"), tr("Open a budget file you already keep (%1)")
                                                           .arg(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)),
                      this);
    _import = addButton(*buttons, tr("&Import a Bank Statement…"),
                        tr("Read an OFX, QFX, QIF or CSV statement from your bank (%1)")
                            .arg(QKeySequence(Qt::CTRL | Qt::Key_I).toString(QKeySequence::NativeText)),
                        this);
    buttons->addStretch();
    _common->setObjectName(QStringLiteral("welcomeCommonCategories"));
    _open->setObjectName(QStringLiteral("welcomeOpen"));
    _import->setObjectName(QStringLiteral("welcomeImport"));

    // Wrapped text keeps its height only in a layout that stretches beside it.
    auto *column = new QVBoxLayout;
    column->addWidget(title);
    column->addWidget(text);
    column->addSpacing(8);
    column->addLayout(buttons);
    auto *middle = new QHBoxLayout;
    middle->addStretch();
    middle->addLayout(column);
    middle->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(middle);
    layout->addStretch(2);

    connect(_common, &QPushButton::clicked, this, &WelcomePanel::commonCategoriesRequested);
    connect(_open, &QPushButton::clicked, this, &WelcomePanel::openRequested);
    connect(_import, &QPushButton::clicked, this, &WelcomePanel::importRequested);

    _grid.viewport()->installEventFilter(this);
    connect(_grid.verticalHeader(), &QHeaderView::sectionResized, this, &WelcomePanel::place);
    connect(_grid.verticalHeader(), &QHeaderView::sectionCountChanged, this, &WelcomePanel::place);
    QWidget::setTabOrder(&_grid, _common);
    QWidget::setTabOrder(_common, _open);
    QWidget::setTabOrder(_open, _import);
    place();
}

bool WelcomePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == _grid.viewport() && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        place();
    return QFrame::eventFilter(watched, event);
}

void WelcomePanel::place()
{
    const int rows = _grid.model() ? _grid.model()->rowCount() : 0;
    const int top = rows > 0 ? _grid.rowViewportPosition(rows - 1) + _grid.rowHeight(rows - 1) : 0;
    const QRect area = _grid.viewport()->rect();
    setGeometry(area.left(), top, area.width(), std::max(0, area.height() - top));
}
