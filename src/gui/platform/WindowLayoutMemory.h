#pragma once

#include <QList>
#include <QString>

class QHeaderView;
class QMainWindow;
class Settings;

/// The window's size and place and its tables' column widths, kept in the
/// settings from one run to the next.
class WindowLayoutMemory final
{
public:
    WindowLayoutMemory(Settings &settings, QMainWindow &window);
    Q_DISABLE_COPY_MOVE(WindowLayoutMemory)

    /// A table header whose state lives under `key`.
    void addHeader(const QString &key, QHeaderView &header);
    /// Puts back what the last save kept; a first run keeps the layout's own.
    void restore();
    void save();

private:
    struct Header
    {
        QString key;
        QHeaderView *view;
    };

    Settings &_settings;
    QMainWindow &_window;
    QList<Header> _headers;
};
