#include "RefreshAfterBurst.h"

#include <QTimer>

RefreshAfterBurst::RefreshAfterBurst(std::function<void()> refresh, QObject *parent)
    : QObject(parent)
    , _timer(new QTimer(this))
{
    _timer->setSingleShot(true);
    _timer->setInterval(0);
    connect(_timer, &QTimer::timeout, this, std::move(refresh));
}

void RefreshAfterBurst::request()
{
    _timer->start();
}
