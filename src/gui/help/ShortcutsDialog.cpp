#include "ShortcutsDialog.h"

#include "HandbookPage.h"
#include "ShortcutList.h"

#include "platform/ModalLoop.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ShortcutsDialog::ShortcutsDialog(QWidget &window, QWidget *parent)
    : QDialog(parent)
    , _table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("shortcutsDialog"));
    setWindowTitle(tr("Keyboard Shortcuts"));
    setAccessibleName(tr("Keyboard Shortcuts"));
    HandbookPage::set(*this, QStringLiteral("keyboard"));
    setSizeGripEnabled(true);
    resize(520, 480);

    const QList<ShortcutList::Shortcut> shortcuts = ShortcutList::of(window);
    _table->setObjectName(QStringLiteral("shortcutsTable"));
    _table->setAccessibleName(tr("Shortcuts"));
    _table->setToolTip(tr("Every command with a shortcut and its keys"));
    _table->setColumnCount(2);
    _table->setHorizontalHeaderLabels({tr("Command"), tr("Keys")});
    _table->setRowCount(int(shortcuts.size()));
    for (int row = 0; row < shortcuts.size(); ++row) {
        _table->setItem(row, 0, new QTableWidgetItem(shortcuts[row].command));
        _table->setItem(row, 1, new QTableWidgetItem(shortcuts[row].keys));
    }
    _table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    _table->setSelectionBehavior(QAbstractItemView::SelectRows);
    _table->verticalHeader()->setVisible(false);
    _table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    _table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setAccessibleName(tr("Close the shortcuts"));
    close->setToolTip(tr("Close this window (Esc)"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { ModalLoop::current().stop(this); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(_table);
    layout->addWidget(buttons);
}
