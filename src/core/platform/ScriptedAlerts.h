#pragma once

#include "Alerts.h"

#include <QList>
#include <QString>

/// Test double: records every alert and answers from a script of button
/// results (the default button once the script is used up).
class ScriptedAlerts final : public Alerts
{
public:
    struct Shown
    {
        QString title;
        QString message;
        QString defaultButton;
        QString secondButton;
    };

    int run(const QString &title, const QString &message, const QString &defaultButton,
            const QString &secondButton = {}) override
    {
        _shown.append({title, message, defaultButton, secondButton});
        return _answers.isEmpty() ? kDefaultButton : _answers.takeFirst();
    }

    /// The next alerts answer with these results, in order.
    void answer(std::initializer_list<int> results) { _answers.append(QList<int>(results)); }
    [[nodiscard]] const QList<Shown> &shown() const { return _shown; }
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
    QList<int> _answers;
};
