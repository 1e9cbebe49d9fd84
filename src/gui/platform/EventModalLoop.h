#pragma once

#include "ModalLoop.h"

#include <QList>

class QEventLoop;

/// Nests an event loop on the main thread per modal window.
class EventModalLoop final : public ModalLoop
{
public:
    void run(QWidget *window) override;
    void stop(QWidget *window) override;

private:
    struct Running
    {
        QWidget *window;
        QEventLoop *loop;
    };
    QList<Running> _running;
};
