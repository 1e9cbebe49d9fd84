#include "QtAlerts.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::ButtonRole roleOf(const QString &label)
{
    return label == QLatin1String("Cancel") ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
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
    box.setIcon(title == QLatin1String("WARNING") ? QMessageBox::Warning
                : secondButton.isEmpty()           ? QMessageBox::Information
                                                   : QMessageBox::Question);
    QPushButton *first = box.addButton(defaultButton, roleOf(defaultButton));
    first->setAccessibleName(defaultButton);
    QPushButton *second = nullptr;
    if (!secondButton.isEmpty()) {
        second = box.addButton(secondButton, roleOf(secondButton));
        second->setAccessibleName(secondButton);
    }
    box.setDefaultButton(first);
    box.setEscapeButton(second && roleOf(secondButton) == QMessageBox::RejectRole ? second : first);
    box.exec();
    return box.clickedButton() == second && second ? kSecondButton : kDefaultButton;
}
