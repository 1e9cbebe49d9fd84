#include "voModalWinController.h"

#include "platform/ModalLoop.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int kGrowMilliseconds = 180;

} // namespace

voModalWinController::voModalWinController(QWidget *parent)
    : QDialog(parent)
{
    setWindowModality(Qt::ApplicationModal);
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &voModalWinController::closeWindow);
}

voModalWinController::~voModalWinController()
{
    // A window destroyed while open still ends its modal run.
    if (_open)
        ModalLoop::current().stop(this);
}

QRectF voModalWinController::titleBarFrame(const QRectF &parentFrame, const QSizeF &size)
{
    const qreal x = (0.5 * parentFrame.width() + parentFrame.x()) + (-0.5 * size.width());
    const qreal y = (parentFrame.y() + parentFrame.height()) - (kTitleBarHeight + size.height());
    return {x, y, size.width(), size.height()};
}

QRectF voModalWinController::growStartFrame(const QRectF &parentFrame, const QSizeF &size)
{
    const QRectF target = titleBarFrame(parentFrame, size);
    const qreal y = (parentFrame.y() + parentFrame.height()) - (0.5 * size.height() + kTitleBarHeight);
    return {target.x(), y, size.width(), 0.5 * size.height()};
}

QRectF voModalWinController::flipped(const QRectF &frame)
{
    return {frame.x(), -(frame.y() + frame.height()), frame.width(), frame.height()};
}

void voModalWinController::showFromTitleBar(QWidget *parent, bool animate)
{
    QWidget *parentWindow = parent ? parent->window() : nullptr;
    _parentWindow = parentWindow;
    const QSize own = size().expandedTo(minimumSizeHint());
    const QRectF parentFrame = flipped(parentWindow ? QRectF(parentWindow->frameGeometry()) : QRectF());
    const QRect target = flipped(titleBarFrame(parentFrame, own)).toRect();
    _open = true;
    if (animate) {
        setGeometry(flipped(growStartFrame(parentFrame, own)).toRect());
        show();
        auto *grow = new QPropertyAnimation(this, "geometry", this);
        grow->setDuration(kGrowMilliseconds);
        grow->setEndValue(target);
        grow->start(QAbstractAnimation::DeleteWhenStopped);
    } else {
        setGeometry(target);
        show();
    }
    raise();
    activateWindow();
}

void voModalWinController::startModal()
{
    ModalLoop::current().run(this);
}

void voModalWinController::closeWindow()
{
    close();
}

void voModalWinController::done(int result)
{
    // QDialog would hide the window without the close event that ends the run.
    setResult(result);
    close();
}

void voModalWinController::setVisible(bool visible)
{
    // Return belongs to the default button alone: in a dialog any other
    // button would take it over whenever it has the focus.
    if (visible) {
        for (QPushButton *button : findChildren<QPushButton *>()) {
            if (!button->isDefault())
                button->setAutoDefault(false);
        }
    }
    QDialog::setVisible(visible);
}

void voModalWinController::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (_open)
        windowWillClose();
}

void voModalWinController::windowWillClose()
{
    _open = false;
    ModalLoop::current().stop(this);
    windowIsClosing();
    // Keyboard focus goes back to the opener even without a window manager.
    if (_parentWindow)
        _parentWindow->activateWindow();
}
