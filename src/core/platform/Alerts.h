#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

/// Every message to the user goes through one of these: a modal alert of a
/// kind, with a title, a message shown as plain text and its buttons. Title,
/// message and the labels of the caller's own buttons come translated; OK and
/// Cancel are the desktop's own buttons in its language.
class Alerts
{
public:
    enum class Kind { Warning, Information, Question };

    /// Which button answered. Action and OtherAction carry the caller's label.
    enum class Button { Ok, Cancel, Action, OtherAction };

    struct Choice
    {
        Button button;
        /// The label of an Action or OtherAction; OK and Cancel have their own.
        QString label = {};
    };

    struct Alert
    {
        Kind kind = Kind::Information;
        QString title;
        QString message;
        QList<Choice> buttons;
        /// What Return presses, and what a run without anyone to ask answers.
        Button defaultButton = Button::Ok;
    };

    virtual ~Alerts() = default;

    /// Shows the alert modally and answers the button pressed. Escape and the
    /// window's close control press Cancel where there is one, else the
    /// default button.
    virtual Button show(const Alert &alert) = 0;

    /// The "WARNING" alert with the single button OK.
    void warning(const QString &message) { show({Kind::Warning, warningTitle(), message, {{Button::Ok}}}); }
    /// An alert that tells, with the single button OK.
    void inform(const QString &title, const QString &message)
    {
        show({Kind::Information, title, message, {{Button::Ok}}});
    }
    /// A question with OK or one action, and Cancel; Cancel is the default
    /// where the action destroys or cannot be taken back. Answers whether the
    /// user chose to go on.
    [[nodiscard]] bool confirm(const QString &title, const QString &message, Button defaultButton,
                               const QString &actionLabel = {})
    {
        const Choice goOn = actionLabel.isEmpty() ? Choice{Button::Ok} : Choice{Button::Action, actionLabel};
        return show({Kind::Question, title, message, {goOn, {Button::Cancel}}, defaultButton}) != Button::Cancel;
    }

    [[nodiscard]] static QString warningTitle() { return QCoreApplication::translate("Alerts", "WARNING"); }
};
