#include "voAboutWinCtrl.h"

#include "help/HandbookPage.h"
#include "ui_AboutWindow.h"

#include "platform/Alerts.h"

#include <QDesktopServices>
#include <QUrl>

voAboutWinCtrl::voAboutWinCtrl(QWidget *parent)
    : voModalWinController(parent)
    , _ui(std::make_unique<Ui::AboutWindow>())
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("index"));
    connect(_ui->closeButton, &QPushButton::clicked, this, &voAboutWinCtrl::closePressed);
    connect(_ui->emailButton, &QPushButton::clicked, this, &voAboutWinCtrl::emailPressed);
}

voAboutWinCtrl::~voAboutWinCtrl() = default;

QString voAboutWinCtrl::aboutMessage(const QString &version)
{
    return tr("Orrinwick %1").arg(version) + u'\n' + u'\n'
        + tr("Email: %1").arg(kSupportAddress);
}

void voAboutWinCtrl::setTitle(const QString &title, const QString &withMessage)
{
    _ui->_companyName->setText(title);
    _ui->_message->setText(withMessage);
}

void voAboutWinCtrl::closePressed()
{
    closeWindow();
}

void voAboutWinCtrl::emailPressed()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + kSupportAddress));
}
