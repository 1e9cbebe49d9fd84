#pragma once

#include "ModalLoop.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

/// Test double: instead of waiting for the user, each run plays the next
/// scripted action on the window (fill a field, click a button …) and then
/// closes the window if the action left it open, as the user would. Never
/// blocks. Install it with ModalLoop::Scope.
class ScriptedModalLoop final : public ModalLoop
{
public:
    using Action = std::function<void(QWidget *window)>;

    /// The next runs play these actions, in order; later runs only close.
    void answer(Action action) { _actions.append(std::move(action)); }

    void run(QWidget *window) override
    {
        if (!window || !window->isVisible())
            return;
        _titles << window->windowTitle();
        _running.append(window);
        if (!_actions.isEmpty())
            _actions.takeFirst()(window);
        if (_running.contains(window))
            window->close();
        _running.removeAll(window);
    }

    void stop(QWidget *window) override { _running.removeAll(window); }

    /// Titles of the windows that were run, in order.
    [[nodiscard]] const QStringList &titles() const { return _titles; }
    [[nodiscard]] bool isRunning(const QWidget *window) const { return _running.contains(window); }

private:
    QList<Action> _actions;
    QList<const QWidget *> _running;
    QStringList _titles;
};
