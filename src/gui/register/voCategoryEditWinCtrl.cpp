#include "voCategoryEditWinCtrl.h"

#include "help/HandbookPage.h"
#include "platform/Alerts.h"
#include "platform/TextCellDelegate.h"
#include "ui_CategoryEdit.h"
#include "ItemEditing.h"
#include "register/voCategoryEditWinData.h"

voCategoryEditWinCtrl::voCategoryEditWinCtrl(DocumentEditing &edits, Alerts &alerts, QWidget *parent)
    : voModalWinController(parent)
    , _ui(std::make_unique<Ui::CategoryEdit>())
    , _alerts(alerts)
    , _data(new voCategoryEditWinData(edits, this))
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("categories"));
    // One controller per opening: the list is read as the window opens.
    _data->initData();
    _ui->_ourTable->setItemDelegate(new TextCellDelegate(_ui->_ourTable));
    _ui->_ourTable->setModel(_data);
    _ui->_ourTable->setSelectionModel(_data->selectionModel());
    keepFocusAfterEditing(*_ui->_ourTable);
    connect(_data, &voCategoryEditWinData::editRequested, this, &voCategoryEditWinCtrl::startEditing);
    connect(_data, &voCategoryEditWinData::editRefused, this, [this](const QString &message) { _alerts.warning(message); });
    connect(_ui->addButton, &QPushButton::clicked, this, &voCategoryEditWinCtrl::addCategory);
    connect(_ui->deleteButton, &QPushButton::clicked, this, &voCategoryEditWinCtrl::delCategory);
    connect(_ui->closeButton, &QPushButton::clicked, this, &voCategoryEditWinCtrl::closePressed);
}

voCategoryEditWinCtrl::~voCategoryEditWinCtrl() = default;

void voCategoryEditWinCtrl::addCategory()
{
    finishEditing(*_ui->_ourTable);
    _data->addCategory();
}

void voCategoryEditWinCtrl::delCategory()
{
    finishEditing(*_ui->_ourTable);
    const int row = _data->selectedRow();
    if (row < 0) {
        _alerts.inform(tr("No Entry Selected"), tr("Please select item to delete."));
        return;
    }
    const QString message = tr("Removing Category '%1' will permanently remove all associated data!")
                                .arg(_data->categoryList().at(row));
    if (_alerts.show({Alerts::Kind::Warning, tr("WARNING"), message, {{Alerts::Button::Ok}, {Alerts::Button::Cancel}},
                      Alerts::Button::Cancel})
        == Alerts::Button::Ok)
        _data->delCategory(row);
}

void voCategoryEditWinCtrl::closePressed()
{
    finishEditing(*_ui->_ourTable);
    closeWindow();
}

void voCategoryEditWinCtrl::startEditing(const QModelIndex &index)
{
    _ui->_ourTable->scrollTo(index);
    _ui->_ourTable->setFocus();
    _ui->_ourTable->edit(index);
}
