#pragma once

#include <QObject>

#include <functional>

class QTimer;

/// Runs a refresh once after a burst of requests: a recomputation of the
/// document announces each month, and a window shows the figures once.
class RefreshAfterBurst final : public QObject
{
    Q_OBJECT

public:
    RefreshAfterBurst(std::function<void()> refresh, QObject *parent);

    /// Asks for the refresh when the event loop is next free.
    void request();
    /// Asks for it whenever `sender` emits `signal`.
    template<typename Sender, typename Signal>
    void follow(const Sender *sender, Signal signal)
    {
        connect(sender, signal, this, &RefreshAfterBurst::request);
    }

private:
    QTimer *_timer;
};
