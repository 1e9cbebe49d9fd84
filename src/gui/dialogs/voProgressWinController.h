#pragma once

#include "voModalWinController.h"

#include "sync/DocumentHost.h"

#include <memory>

namespace Ui {
class ProgWindow;
}

/// A message and a moving indeterminate indicator over the main window while
/// a child process runs. It has no modal run: its owner shows it, starts it,
/// and closes it when the work is done. The user cannot close it (Escape, the
/// close control): the run it stands for goes on, until the owner offers
/// Cancel and the user presses it. The indicator moves
/// as long as the owner keeps the event loop turning while it waits (widgets
/// paint on the main thread only), as ChildProcess::runBlocking() does.
class voProgressWinController final : public voModalWinController, public ProgressWindow
{
    Q_OBJECT

public:
    explicit voProgressWinController(QWidget *parent = nullptr);
    ~voProgressWinController() override;

    /// Shows the message and starts the indicator; both are on screen when
    /// this returns, even if the owner blocks right afterwards.
    void startProgress(const QString &message);
    /// Stops the indicator; closing the window needs no stop first.
    void stopProgress();
    [[nodiscard]] bool isAnimating() const;

    /// The owner's close, the only one it takes.
    void closeWindow() override;
    /// Shows the Cancel button, which runs `cancel` once and then waits for
    /// the owner's close.
    void offerCancel(std::function<void()> cancel) override;
    [[nodiscard]] bool offersCancel() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::ProgWindow> _ui;
    bool _ownerCloses = false;
    std::function<void()> _cancel;
};
