#pragma once

#include "voModalWinController.h"

#include <memory>

class Settings;
namespace Ui {
class PrefWindow;
}

/// The preferences: Subversion sync, the tunnel helper, sorting on load,
/// the view mode and the backups kept. Every change is written to the settings at once; there is
/// no Apply or Cancel.
class voPrefWindowCtrl final : public voModalWinController
{
    Q_OBJECT

public:
    explicit voPrefWindowCtrl(Settings &settings, QWidget *parent = nullptr);
    ~voPrefWindowCtrl() override;

    void syncDataWithSVN(bool on);
    void svnRunScript(bool on);
    void sortData(bool on);
    void envelopeSelected();
    void standardSelected();
    /// Shows the mode in the radio buttons.
    void setEnvelopeMode(bool mode);
    void keepBackups(bool on);
    void backupVersions(int count);
    void backupDays(int count);

private:
    void windowDidLoad();

    Settings &_settings;
    std::unique_ptr<Ui::PrefWindow> _ui;
};
