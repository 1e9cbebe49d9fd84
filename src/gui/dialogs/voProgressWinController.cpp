#include "voProgressWinController.h"

#include "help/HandbookPage.h"
#include "ui_ProgWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>

voProgressWinController::voProgressWinController(QWidget *parent)
    : voModalWinController(parent)
    , _ui(std::make_unique<Ui::ProgWindow>())
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("subversion-sync"));
    // Closed by its owner only: no close control to offer.
    setWindowFlags(windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
}

voProgressWinController::~voProgressWinController() = default;

void voProgressWinController::startProgress(const QString &message)
{
    _ui->_message->setText(message);
    // A range of 0 to 0 is Qt's busy indicator.
    _ui->_progressIndicator->setRange(0, 0);
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void voProgressWinController::stopProgress()
{
    _ui->_progressIndicator->setRange(0, 1);
    _ui->_progressIndicator->setValue(0);
}

bool voProgressWinController::isAnimating() const
{
    return _ui->_progressIndicator->minimum() == 0 && _ui->_progressIndicator->maximum() == 0;
}

void voProgressWinController::closeWindow()
{
    _ownerCloses = true;
    voModalWinController::closeWindow();
}

void voProgressWinController::closeEvent(QCloseEvent *event)
{
    if (!_ownerCloses) {
        event->ignore();
        return;
    }
    voModalWinController::closeEvent(event);
}
