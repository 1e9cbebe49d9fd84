#include "QtAlerts.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace {

QMessageBox::Icon iconOf(Alerts::Kind kind)
{
    switch (kind) {
    case Alerts::Kind::Warning:
        return QMessageBox::Warning;
    case Alerts::Kind::Question:
        return QMessageBox::Question;
    case Alerts::Kind::Information:
        break;
    }
    return QMessageBox::Information;
}

/// OK and Cancel are the desktop's own buttons, so they speak its language.
QPushButton *addButton(QMessageBox &box, const Alerts::Choice &choice)
{
    QPushButton *button = choice.button == Alerts::Button::Ok       ? box.addButton(QMessageBox::Ok)
                          : choice.button == Alerts::Button::Cancel ? box.addButton(QMessageBox::Cancel)
                                                                    : box.addButton(choice.label, QMessageBox::AcceptRole);
    button->setAccessibleName(QString(button->text()).remove(u'&'));
    return button;
}

} // namespace

Alerts::Button QtAlerts::show(const Alert &alert)
{
    QMessageBox box(_parent);
    box.setWindowTitle(alert.title);
    box.setIcon(iconOf(alert.kind));
    // A file name or a payee is shown as written, never read as markup.
    box.setTextFormat(Qt::PlainText);
    // The messages end in line breaks meant for the old alert layout.
    QString text = alert.message;
    while (text.endsWith(u'\n'))
        text.chop(1);
    box.setText(text);
    std::vector<std::pair<QPushButton *, Button>> buttons;
    for (const Choice &choice : alert.buttons)
        buttons.emplace_back(addButton(box, choice), choice.button);
    QPushButton *escape = nullptr;
    for (const auto &[button, which] : buttons) {
        if (which == alert.defaultButton)
            box.setDefaultButton(button);
        if (which == Button::Cancel || (!escape && which == alert.defaultButton))
            escape = button;
    }
    box.setEscapeButton(escape);
    box.exec();
    for (const auto &[button, which] : buttons) {
        if (box.clickedButton() == button)
            return which;
    }
    return alert.defaultButton;
}
