#pragma once

#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

/// Keys as the window system delivers them: to the widget's window, which
/// hands them to an open popup (a completer's list) before the widget that
/// has the focus. Keys sent to a widget directly would pass the popup by.
namespace WindowKeys {

inline void press(const QWidget &inWindow, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(inWindow.window()->windowHandle(), key, modifiers);
}

/// Types plain ASCII text key by key.
inline void type(const QWidget &inWindow, const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(inWindow.window()->windowHandle(), c.toLatin1());
}

} // namespace WindowKeys
