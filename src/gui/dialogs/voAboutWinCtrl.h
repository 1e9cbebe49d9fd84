#pragma once

#include "voModalWinController.h"

#include <memory>

namespace Ui {
class AboutWindow;
}

/// The About window: the publisher, the program's name and version, the
/// support address and a button that starts an e-mail to it.
class voAboutWinCtrl final : public voModalWinController
{
    Q_OBJECT

public:
    static inline const QString kPublisherName = QStringLiteral("Orrinwick Household Software");
    static inline const QString kSupportAddress = QStringLiteral("support@orrinwick.example");

    explicit voAboutWinCtrl(QWidget *parent = nullptr);
    ~voAboutWinCtrl() override;

    /// The three lines of the message for a version: "Orrinwick 1.2", an empty
    /// line, "Email: " and the support address.
    [[nodiscard]] static QString aboutMessage(const QString &version);

    void setTitle(const QString &title, const QString &withMessage);
    void closePressed();
    /// Opens a mail to the support address in the user's mail program; the
    /// window stays open.
    void emailPressed();

private:
    std::unique_ptr<Ui::AboutWindow> _ui;
};
