#pragma once

#include <QtGlobal>

class QWidget;

/// Runs a window modally: run() returns only when stop() is called for the
/// same window. Every modal window goes through the current instance, so a
/// test can install ScriptedModalLoop and answer windows by script.
class ModalLoop
{
public:
    virtual ~ModalLoop() = default;

    /// Blocks until stop(window); a window that is not shown returns at once.
    virtual void run(QWidget *window) = 0;
    /// Ends the run of this window; does nothing when it is not running.
    virtual void stop(QWidget *window) = 0;

    /// The instance in use: the event-loop one unless a Scope replaced it.
    [[nodiscard]] static ModalLoop &current();

    /// Installs another instance for its own lifetime (tests).
    class Scope final
    {
    public:
        explicit Scope(ModalLoop &loop);
        ~Scope();
        Q_DISABLE_COPY_MOVE(Scope)

    private:
        ModalLoop *_previous;
    };

private:
    static inline ModalLoop *_installed = nullptr;
};
