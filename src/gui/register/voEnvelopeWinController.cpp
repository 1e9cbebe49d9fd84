#include "voEnvelopeWinController.h"

#include "CarryModeDelegate.h"
#include "help/HandbookPage.h"
#include "platform/Alerts.h"
#include "platform/TextCellDelegate.h"
#include "ui_EnvelopeWindow.h"
#include "register/voEnvelopeWinData.h"

#include "document/MonthTables.h"
#include "document/MonthDisplay.h"

voEnvelopeWinController::voEnvelopeWinController(DocumentEditing &edits, Alerts &alerts, QWidget *parent)
    : voModalWinController(parent)
    , _ui(std::make_unique<Ui::EnvelopeWindow>())
    , _data(new voEnvelopeWinData(edits, this))
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("envelopes"));
    _ui->_ourTableView->setItemDelegate(new TextCellDelegate(_ui->_ourTableView));
    _ui->_ourTableView->setItemDelegateForColumn(3, new CarryModeDelegate(_ui->_ourTableView));
    _ui->_ourTableView->setModel(_data);
    connect(_ui->closeButton, &QPushButton::clicked, this, &voEnvelopeWinController::closePressed);
    connect(_data, &voEnvelopeWinData::editRefused, this, [&alerts](const QString &message) { alerts.warning(message); });
}

voEnvelopeWinController::~voEnvelopeWinController() = default;

void voEnvelopeWinController::openMonth(int month, QWidget *parentWindow)
{
    showFromTitleBar(parentWindow, false);
    _data->initData(month);
    _ui->monthLabel->setText(tr("Envelopes for %1").arg(MonthDisplay::name(month)));
    QHeaderView *header = _ui->_ourTableView->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    header->resizeSection(1, fontMetrics().horizontalAdvance(QStringLiteral("-0000000.00")) + 16);
    header->setSectionResizeMode(2, QHeaderView::Fixed);
    header->resizeSection(2, fontMetrics().horizontalAdvance(QStringLiteral("-0000000.00")) + 16);
    header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
}

void voEnvelopeWinController::closePressed()
{
    // Deselecting commits the cell being edited before the window goes.
    _ui->_ourTableView->setCurrentIndex({});
    _ui->_ourTableView->clearSelection();
    closeWindow();
}
