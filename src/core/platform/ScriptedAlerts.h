#pragma once

#include "Alerts.h"

#include <QList>
#include <QString>
#include <QStringList>

/// Test double: records every alert and answers from a script of buttons
/// (each alert's default button once the script is used up).
class ScriptedAlerts final : public Alerts
{
public:
    using Shown = Alert;

    Button show(const Alert &alert) override
    {
        _shown.append(alert);
        return _answers.isEmpty() ? alert.defaultButton : _answers.takeFirst();
    }

    /// The next alerts answer with these buttons, in order.
    void answer(std::initializer_list<Button> buttons) { _answers.append(QList<Button>(buttons)); }
    [[nodiscard]] const QList<Shown> &shown() const { return _shown; }
    /// The buttons an alert offered, in order.
    [[nodiscard]] static QList<Button> buttonsOf(const Shown &alert)
    {
        QList<Button> buttons;
        for (const Choice &choice : alert.buttons)
            buttons << choice.button;
        return buttons;
    }
    [[nodiscard]] QStringList titles() const
    {
        QStringList result;
        for (const Shown &alert : _shown)
            result << alert.title;
        return result;
    }
    void clear() { _shown.clear(); _answers.clear(); }

private:
    QList<Shown> _shown;
    QList<Button> _answers;
};
