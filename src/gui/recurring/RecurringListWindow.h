#pragma once

#include <QDialog>

#include <memory>

class Alerts;
class DocumentEditing;
class RecurringListModel;
namespace Ui {
class RecurringList;
}

/// The list of recurring transactions: add, edit and delete, each one undo
/// step; broken records are listed with the reason. Modeless.
class RecurringListWindow final : public QDialog
{
    Q_OBJECT

public:
    RecurringListWindow(DocumentEditing &edits, Alerts &alerts, QWidget *parent = nullptr);
    ~RecurringListWindow() override;

    [[nodiscard]] RecurringListModel &model() const { return *_model; }
    void add();
    /// Edits the selected recurring transaction.
    void edit();
    void remove();

private:
    [[nodiscard]] int selectedRow() const;
    void follow();

    std::unique_ptr<Ui::RecurringList> _ui;
    DocumentEditing &_edits;
    Alerts &_alerts;
    RecurringListModel *_model;
};
