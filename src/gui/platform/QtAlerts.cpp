#include "QtAlerts.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

/// "OK" and "Cancel" are the desktop's own buttons, so they speak its
/// language and Cancel is what Escape presses; any other label is shown as
/// the caller wrote it.
QPushButton *addButton(QMessageBox &box, const QString &label)
{
    QPushButton *button = label == u"OK"       ? box.addButton(QMessageBox::Ok)
                          : label == u"Cancel" ? box.addButton(QMessageBox::Cancel)
                                               : box.addButton(label, QMessageBox::AcceptRole);
    button->setAccessibleName(QString(button->text()).remove(u'&'));
    return button;
}

} // namespace

int QtAlerts::run(const QString &title, const QString &message, const QString &defaultButton,
                  const QString &secondButton)
{
    QMessageBox box(_parent);
    box.setWindowTitle(title);
    // The messages end in line breaks meant for the old alert layout.
    QString text = message;
    while (text.endsWith(u'\n'))
        text.chop(1);
    box.setText(text);
    box.setIcon(title == Alerts::warningTitle() ? QMessageBox::Warning
                : secondButton.isEmpty()         ? QMessageBox::Information
                                                 : QMessageBox::Question);
    QPushButton *first = addButton(box, defaultButton);
    QPushButton *second = secondButton.isEmpty() ? nullptr : addButton(box, secondButton);
    box.setDefaultButton(first);
    box.setEscapeButton(second && secondButton == u"Cancel" ? second : first);
    box.exec();
    return box.clickedButton() == second && second ? kSecondButton : kDefaultButton;
}
