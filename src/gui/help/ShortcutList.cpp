#include "ShortcutList.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace {

QString plain(const QString &text)
{
    QString result = text;
    result.remove(QStringLiteral("…"));
    result.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    result.remove(u'&');
    result.replace(u'\x01', u'&');
    return result.trimmed();
}

QString keysOf(const QList<QKeySequence> &keys)
{
    QStringList texts;
    for (const QKeySequence &key : keys)
        texts << key.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(", "));
}

void collect(const QMenu &menu, const QString &path, QList<ShortcutList::Shortcut> &found, QSet<const QAction *> &seen)
{
    for (QAction *action : menu.actions()) {
        if (action->isSeparator())
            continue;
        seen.insert(action);
        const QString place = path + QStringLiteral(" → ") + plain(action->text());
        if (const QMenu *submenu = action->menu())
            collect(*submenu, place, found, seen);
        else if (!action->shortcuts().isEmpty())
            found.append({place, keysOf(action->shortcuts())});
    }
}

} // namespace

namespace ShortcutList {

QList<Shortcut> of(QWidget &window)
{
    QList<Shortcut> found;
    QSet<const QAction *> seen;
    if (auto *main = qobject_cast<QMainWindow *>(&window)) {
        for (QAction *menu : main->menuBar()->actions()) {
            seen.insert(menu);
            if (menu->menu())
                collect(*menu->menu(), plain(menu->text()), found, seen);
        }
    }
    for (QAction *action : window.findChildren<QAction *>()) {
        if (!seen.contains(action) && !action->shortcuts().isEmpty() && !action->text().isEmpty())
            found.append({plain(action->text()), keysOf(action->shortcuts())});
    }
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        const QKeySequence key = button->shortcut();
        if (key.isEmpty() || key == QKeySequence::mnemonic(button->text()))
            continue;
        const QString name = button->text().isEmpty() ? button->accessibleName() : plain(button->text());
        found.append({name, key.toString(QKeySequence::NativeText)});
    }
    return found;
}

} // namespace ShortcutList
