#include "voProgressWinController.h"

#include "help/HandbookPage.h"
#include "ui_ProgWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>

voProgressWinController::voProgressWinController(QWidget *parent)
    : voModalWinController(parent)
    , _ui(std::make_unique<Ui::ProgWindow>())
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("subversion-sync"));
    // Closed by its owner only: no close control to offer.
    setWindowFlags(windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    _ui->_cancelButton->hide();
    connect(_ui->_cancelButton, &QPushButton::clicked, this, [this] {
        _ui->_cancelButton->setEnabled(false);
        _ui->_message->setText(tr("Cancelling…"));
        if (const std::function<void()> cancel = std::exchange(_cancel, {}))
            cancel();
    });
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

void voProgressWinController::offerCancel(std::function<void()> cancel)
{
    _cancel = std::move(cancel);
    _ui->_cancelButton->setEnabled(true);
    _ui->_cancelButton->show();
    _ui->_cancelButton->setDefault(true);
    _ui->_cancelButton->setFocus();
}

bool voProgressWinController::offersCancel() const
{
    return _ui->_cancelButton->isVisible() && _ui->_cancelButton->isEnabled();
}

void voProgressWinController::closeEvent(QCloseEvent *event)
{
    if (!_ownerCloses) {
        event->ignore();
        return;
    }
    voModalWinController::closeEvent(event);
}
