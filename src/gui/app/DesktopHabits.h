#pragma once

#include "platform/WindowLayoutMemory.h"

#include <QObject>

class FileDropHandler;
class MyDataSource;
class Settings;

/// What a desktop program is expected to do beyond its commands: come back
/// with the window and columns as they were left, and open a budget file
/// dropped on its window as an open request from the desktop would.
class DesktopHabits final : public QObject
{
    Q_OBJECT

public:
    /// Restores the window's layout; call before the window is first shown.
    DesktopHabits(MyDataSource &dataSource, Settings &settings);

    /// Dropped files that are no budget file (a bank statement, say).
    [[nodiscard]] FileDropHandler &drops() const { return *_drops; }

private:
    WindowLayoutMemory _layout;
    FileDropHandler *_drops;
};
