#pragma once

#include <QDialog>
#include <QPointer>
#include <QRectF>

/// Base of every secondary window (preferences, progress, about, envelope
/// editor, category editor): placement under the parent's title bar with an
/// optional grow-down animation, a modal run, and a hook on closing.
///
/// How an opener uses a window (a new controller per showing, owned by the
/// opener, for instance on the stack):
///
///     voEnvelopeWinController editor(edits, alerts, mainWindow);
///     editor.openMonth(2, mainWindow); // shows March
///     editor.startModal();             // returns once the window has closed
///
/// A subclass builds its controls from its .ui layout in its constructor and
/// is shown with showFromTitleBar(parent, animate); startModal() runs it
/// through ModalLoop::current(). However the window closes (closeWindow(),
/// a button, its own close control), the modal run stops first and then
/// windowIsClosing() runs, exactly once per close.
///
/// In a test, install a ScriptedModalLoop (ModalLoop::Scope) and queue what
/// the user does with answer([](QWidget *window) { … }): the action finds
/// the controls by object name (window->findChild<QTableView *>("_ourTableView"))
/// and works them; startModal() then returns without blocking.
///
/// Each is a QDialog, announced as a dialog to assistive technology: Return
/// presses its default button, and Escape, like accept() and reject(),
/// closes it as closeWindow() does.
class voModalWinController : public QDialog
{
    Q_OBJECT

public:
    /// Height of a window's title bar, in points.
    static constexpr int kTitleBarHeight = 22;

    explicit voModalWinController(QWidget *parent = nullptr);
    ~voModalWinController() override;
    Q_DISABLE_COPY_MOVE(voModalWinController)

    /// Where the window of `size` goes over a parent frame: centred on it, its
    /// top edge kTitleBarHeight below the parent's top. Frames here have their
    /// y axis pointing up with (x, y) the lower-left corner.
    [[nodiscard]] static QRectF titleBarFrame(const QRectF &parentFrame, const QSizeF &size);
    /// The first frame of the grow-down animation: the same top edge, half height.
    [[nodiscard]] static QRectF growStartFrame(const QRectF &parentFrame, const QSizeF &size);
    /// A frame between screen coordinates (y down) and y-up ones; its own inverse.
    [[nodiscard]] static QRectF flipped(const QRectF &frame);

    /// Places the window under the title bar of `parent`'s window and shows it
    /// as the active window; with `animate` it grows down from half height.
    void showFromTitleBar(QWidget *parent, bool animate);
    /// Runs the window modally; returns when it has closed.
    void startModal();
    /// Closes the window (the modal run stops, windowIsClosing() runs).
    void closeWindow();
    /// Closes the window whatever ends the dialog; the result is kept.
    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    /// Runs while the window closes, after the modal run was stopped.
    virtual void windowIsClosing() {}
    void closeEvent(QCloseEvent *event) override;

private:
    void windowWillClose();

    QPointer<QWidget> _parentWindow;
    bool _open = false;
};
