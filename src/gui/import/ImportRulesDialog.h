#pragma once

#include "import/CategoryRules.h"

#include <QDialog>

#include <memory>

class Alerts;

namespace Ui {
class ImportRules;
}

/// The category rules of the import: "description contains …" →
/// category, tried from the top. Rows can be added, removed and moved;
/// OK keeps the rules, Cancel the old ones.
class ImportRulesDialog final : public QDialog
{
    Q_OBJECT

public:
    /// A typed category that the budget lacks is refused through `alerts`.
    ImportRulesDialog(const QList<CategoryRule> &rules, const QStringList &categories, Alerts &alerts,
                      QWidget *parent = nullptr);
    ~ImportRulesDialog() override;

    /// Puts a new rule on top and starts editing its text, so that the
    /// user can shorten a description to the part that names the payee.
    void startWithRule(const CategoryRule &rule);
    /// The rules in the table, in order; rows without text are left out.
    [[nodiscard]] QList<CategoryRule> rules() const;
    /// Shows the dialog and waits until it is closed; true when OK closed it.
    bool run();

private:
    void insertRule(int row, const CategoryRule &rule);
    void addRule();
    void removeRule();
    void moveRule(int step);

    std::unique_ptr<Ui::ImportRules> _ui;
    QStringList _categories;
};
