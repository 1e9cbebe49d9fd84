#pragma once

#include <QDialog>

class QAbstractItemModel;
class QPushButton;
class QTableView;

/// A window that stays open beside the main window (charts, tags, the
/// comparison): closed with the Close key or Escape, also where no window
/// manager offers a key, and handing the keyboard back to the main window
/// when it closes.
class CompanionWindow : public QDialog
{
    Q_OBJECT

public:
    explicit CompanionWindow(QWidget *opener);

protected:
    void closeEvent(QCloseEvent *event) override;

    /// A button of the window's row that Return does not press by itself.
    [[nodiscard]] QPushButton *addButton(const QString &objectName, const QString &text, const QString &name,
                                         const QString &tip);
    /// Shows `model` in `table` as a read-only table of whole rows, one selected at a time.
    static void showReadOnly(QTableView &table, QAbstractItemModel *model);
};
