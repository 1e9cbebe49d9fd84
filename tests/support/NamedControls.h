#pragma once

#include <QLineEdit>
#include <QTest>
#include <QWidget>

/// Controls found and worked as a user of assistive technology does: by
/// their accessible name.
namespace NamedControls {

/// The control of the window with the accessible name, or none.
template<typename Widget>
Widget *named(const QWidget &window, const QString &name)
{
    for (Widget *widget : window.findChildren<Widget *>()) {
        if (widget->accessibleName() == name)
            return widget;
    }
    return nullptr;
}

/// Replaces the line's text by `text`, typed key by key.
inline void type(QLineEdit *line, const QString &text)
{
    QVERIFY(line);
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, text);
}

} // namespace NamedControls
