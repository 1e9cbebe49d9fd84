#pragma once

#include "dialogs/voModalWinController.h"

#include <memory>

class Alerts;
class DocumentEditing;
class voCategoryEditWinData;
namespace Ui {
class CategoryEdit;
}

/// The category editor: the budget's category names in budget order, with
/// add, rename in place and delete. Every change reaches the document at
/// once; closing the window undoes nothing.
class voCategoryEditWinCtrl final : public voModalWinController
{
    Q_OBJECT

public:
    voCategoryEditWinCtrl(DocumentEditing &edits, Alerts &alerts, QWidget *parent = nullptr);
    ~voCategoryEditWinCtrl() override;

    void addCategory();
    void delCategory();
    /// The close button: ends any edit in progress, then closes the window.
    void closePressed();

    [[nodiscard]] voCategoryEditWinData &tableData() const { return *_data; }

private:
    void startEditing(const QModelIndex &index);

    std::unique_ptr<Ui::CategoryEdit> _ui;
    Alerts &_alerts;
    voCategoryEditWinData *_data;
};
