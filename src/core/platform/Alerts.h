#pragma once

#include <QCoreApplication>
#include <QString>

/// Every message to the user goes through one of these: a modal alert with a
/// title, a message, a default button and an optional second button. Title
/// and message come translated; the button labels "OK" and "Cancel" are
/// passed as such and become the desktop's own buttons in its language.
class Alerts
{
public:
    /// What run() answers when the default (first) button was pressed.
    static constexpr int kDefaultButton = 1;
    /// What run() answers when the second button was pressed.
    static constexpr int kSecondButton = 0;

    virtual ~Alerts() = default;

    /// Shows the alert modally; answers kDefaultButton or kSecondButton.
    virtual int run(const QString &title, const QString &message, const QString &defaultButton,
                    const QString &secondButton = {}) = 0;

    /// The "WARNING" alert with the single button "OK".
    void warning(const QString &message) { run(warningTitle(), message, QStringLiteral("OK")); }
    [[nodiscard]] static QString warningTitle() { return QCoreApplication::translate("Alerts", "WARNING"); }

    /// Fills the one argument of a message format ("%@" for text, "%d" for a number).
    [[nodiscard]] static QString format(QString message, const QString &argument)
    {
        const qsizetype at = message.indexOf(QLatin1String("%@"));
        if (at >= 0)
            return message.replace(at, 2, argument);
        const qsizetype number = message.indexOf(QLatin1String("%d"));
        if (number >= 0)
            return message.replace(number, 2, argument);
        return message;
    }
};
