#include "WindowLayoutMemory.h"

#include "platform/Settings.h"

#include <QHeaderView>
#include <QMainWindow>

WindowLayoutMemory::WindowLayoutMemory(Settings &settings, QMainWindow &window)
    : _settings(settings)
    , _window(window)
{
}

void WindowLayoutMemory::addHeader(const QString &key, QHeaderView &header)
{
    _headers.append({key, &header});
}

void WindowLayoutMemory::restore()
{
    // restoreGeometry keeps the window on a screen that is still there.
    _window.restoreGeometry(_settings.bytesValue(Settings::kWindowGeometry));
    _window.restoreState(_settings.bytesValue(Settings::kWindowState));
    for (const Header &header : _headers)
        header.view->restoreState(_settings.bytesValue(header.key));
}

void WindowLayoutMemory::save()
{
    _settings.setValue(Settings::kWindowGeometry, _window.saveGeometry());
    _settings.setValue(Settings::kWindowState, _window.saveState());
    for (const Header &header : _headers)
        _settings.setValue(header.key, header.view->saveState());
}
