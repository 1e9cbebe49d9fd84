#include "CompanionWindow.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

CompanionWindow::CompanionWindow(QWidget *opener)
    : QDialog(opener)
{
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::Close) + QList{QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
}

void CompanionWindow::closeEvent(QCloseEvent *event)
{
    // Without a window manager (or with a slow one) nothing else would give
    // the main window the focus back.
    if (QWidget *opener = parentWidget())
        opener->window()->activateWindow();
    QDialog::closeEvent(event);
}

QPushButton *CompanionWindow::addButton(const QString &objectName, const QString &text, const QString &name,
                                        const QString &tip)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAccessibleName(name);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

void CompanionWindow::showReadOnly(QTableView &table, QAbstractItemModel *model)
{
    table.setModel(model);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.verticalHeader()->hide();
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}
