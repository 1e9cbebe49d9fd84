#pragma once

#include <QString>

#include <functional>
#include <memory>

/// A progress window shown while a child process runs; closing it (or
/// destroying it) takes it off the screen.
class ProgressWindow
{
public:
    virtual ~ProgressWindow() = default;
    virtual void closeWindow() = 0;
    /// Offers a Cancel control that runs `cancel`; from then on the window
    /// is the only one that takes input until it closes.
    virtual void offerCancel(std::function<void()> cancel) = 0;
};

/// What loading, saving and the repository sync need of the application
/// controller that owns the main window.
class DocumentHost
{
public:
    virtual ~DocumentHost() = default;
    [[nodiscard]] virtual QString dataFileName() const = 0;
    /// Makes the path current: remembered in the settings and shown as the title.
    virtual void setFileName(const QString &path) = 0;
    /// The file to load is not there: it is no longer current (nothing is
    /// saved to it), but it stays remembered for the next start.
    virtual void fileMissing(const QString &path) = 0;
    /// Brings the main window to the front and redraws the grid.
    virtual void initView() = 0;
    /// The same right after a file was read: the reader has recomputed the
    /// figures, which a large budget would otherwise pay for twice.
    virtual void initLoadedView() { initView(); }
    /// Shows a progress window with the message over the main window.
    [[nodiscard]] virtual std::unique_ptr<ProgressWindow> startProgress(const QString &message) = 0;
};
