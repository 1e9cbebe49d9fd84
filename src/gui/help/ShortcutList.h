#pragma once

#include <QList>
#include <QString>

class QWidget;

/// Every shortcut of a window, read from its actions and buttons as they
/// stand, so that the list cannot drift from what the keys do.
namespace ShortcutList {

struct Shortcut
{
    /// Where the command is: "File → Save", or a button's name.
    QString command;
    /// Its keys, as the desktop writes them; several are joined by commas.
    QString keys;
};

/// The menu bar's commands with a shortcut, menu by menu in their order,
/// then the window's other actions and its buttons whose shortcut is more
/// than the underlined letter of their text.
[[nodiscard]] QList<Shortcut> of(QWidget &window);

} // namespace ShortcutList
