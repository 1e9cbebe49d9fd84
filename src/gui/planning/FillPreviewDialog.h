#pragma once

#include "year/BudgetFill.h"

#include <QDialog>

#include <memory>

class QStandardItemModel;
namespace Ui {
class FillPreview;
}

/// Shows what a fill would change, each month old → new, with the rule it
/// follows and what to know about the figures, before anything changes.
class FillPreviewDialog final : public QDialog
{
    Q_OBJECT

public:
    FillPreviewDialog(const QString &title, const BudgetFill::Preview &preview, QWidget *parent = nullptr);
    ~FillPreviewDialog() override;

    /// Runs the preview modally; whether the user chose to fill.
    [[nodiscard]] static bool confirm(const QString &title, const BudgetFill::Preview &preview, QWidget *parent);

private:
    std::unique_ptr<Ui::FillPreview> _ui;
    QStandardItemModel *_cells;
};
