#include "EventModalLoop.h"

#include <QEventLoop>
#include <QWidget>

// The default instance is this one; ModalLoop itself knows no kind of loop.
ModalLoop &ModalLoop::current()
{
    static EventModalLoop eventLoop;
    return _installed ? *_installed : eventLoop;
}

void EventModalLoop::run(QWidget *window)
{
    if (!window || !window->isVisible())
        return;
    QEventLoop loop;
    _running.append({window, &loop});
    loop.exec(QEventLoop::DialogExec);
    _running.removeIf([&loop](const Running &running) { return running.loop == &loop; });
}

void EventModalLoop::stop(QWidget *window)
{
    for (const Running &running : std::as_const(_running)) {
        if (running.window == window)
            running.loop->exit();
    }
}
