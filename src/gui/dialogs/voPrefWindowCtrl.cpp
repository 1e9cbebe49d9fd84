#include "voPrefWindowCtrl.h"

#include "help/HandbookPage.h"
#include "ui_PrefWindow.h"

#include "platform/Settings.h"

voPrefWindowCtrl::voPrefWindowCtrl(Settings &settings, QWidget *parent)
    : voModalWinController(parent)
    , _settings(settings)
    , _ui(std::make_unique<Ui::PrefWindow>())
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("getting-started"));
    windowDidLoad();
    // Connected once the controls show the settings, so that showing them
    // writes nothing. `toggled` hears every way of changing a control: the
    // mouse, the keyboard, assistive technology and the code alike.
    connect(_ui->_syncDataCheckBox, &QCheckBox::toggled, this, &voPrefWindowCtrl::syncDataWithSVN);
    connect(_ui->_svnRunScript, &QCheckBox::toggled, this, &voPrefWindowCtrl::svnRunScript);
    connect(_ui->_sortDataCheckBox, &QCheckBox::toggled, this, &voPrefWindowCtrl::sortData);
    connect(_ui->standardRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            standardSelected();
    });
    connect(_ui->envelopeRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            envelopeSelected();
    });
    _ui->_backupVersions->setRange(Settings::kBackupVersionsRange.min, Settings::kBackupVersionsRange.max);
    _ui->_backupDays->setRange(Settings::kBackupDaysRange.min, Settings::kBackupDaysRange.max);
    connect(_ui->_keepBackups, &QCheckBox::toggled, this, &voPrefWindowCtrl::keepBackups);
    connect(_ui->_backupVersions, &QSpinBox::valueChanged, this, &voPrefWindowCtrl::backupVersions);
    connect(_ui->_backupDays, &QSpinBox::valueChanged, this, &voPrefWindowCtrl::backupDays);
    connect(_ui->_lookAhead, &QSpinBox::valueChanged, this,
            [this](int days) { _settings.setValue(Settings::kRecurringLookAhead, days); });
    connect(_ui->closeButton, &QPushButton::clicked, this, &voModalWinController::closeWindow);
}

voPrefWindowCtrl::~voPrefWindowCtrl() = default;

void voPrefWindowCtrl::windowDidLoad()
{
    _ui->_syncDataCheckBox->setChecked(_settings.syncData());
    _ui->_svnRunScript->setChecked(_settings.svnRunScript());
    _ui->_svnRunScript->setEnabled(_settings.syncData());
    _ui->_sortDataCheckBox->setChecked(_settings.sortData());
    setEnvelopeMode(_settings.envelopeView());
    _ui->_keepBackups->setChecked(_settings.keepBackups());
    _ui->_backupVersions->setValue(_settings.backupVersions());
    _ui->_backupDays->setValue(_settings.backupDays());
    _ui->_lookAhead->setValue(_settings.recurringLookAhead());
    _ui->_backupVersions->setEnabled(_settings.keepBackups());
    _ui->_backupDays->setEnabled(_settings.keepBackups());
}

void voPrefWindowCtrl::syncDataWithSVN(bool on)
{
    _settings.setValue(Settings::kSyncData, on);
    _ui->_svnRunScript->setEnabled(on);
}

void voPrefWindowCtrl::svnRunScript(bool on)
{
    _settings.setValue(Settings::kSvnRunScript, on);
}

void voPrefWindowCtrl::sortData(bool on)
{
    _settings.setValue(Settings::kSortData, on);
}

void voPrefWindowCtrl::envelopeSelected()
{
    _settings.setValue(Settings::kEnvelopeView, true);
    setEnvelopeMode(true);
}

void voPrefWindowCtrl::standardSelected()
{
    _settings.setValue(Settings::kEnvelopeView, false);
    setEnvelopeMode(false);
}

void voPrefWindowCtrl::setEnvelopeMode(bool mode)
{
    (mode ? _ui->envelopeRadio : _ui->standardRadio)->setChecked(true);
}

void voPrefWindowCtrl::keepBackups(bool on)
{
    _settings.setValue(Settings::kKeepBackups, on);
    _ui->_backupVersions->setEnabled(on);
    _ui->_backupDays->setEnabled(on);
}

void voPrefWindowCtrl::backupVersions(int count)
{
    _settings.setValue(Settings::kBackupVersions, count);
}

void voPrefWindowCtrl::backupDays(int count)
{
    _settings.setValue(Settings::kBackupDays, count);
}
