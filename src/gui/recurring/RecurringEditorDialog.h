#pragma once

#include "editing/EditAnswer.h"
#include "recurring/RecurringTransaction.h"

#include <QDialog>

#include <functional>
#include <memory>

class Alerts;
namespace Ui {
class RecurringEditor;
}

/// One recurring transaction, its rule as people say it: every N weeks,
/// every N months on a day or the last day, once a year; ending never,
/// after N times or on a date; the weekend shift and how it enters. A rule
/// written elsewhere that the form cannot show is kept unless the form's
/// rule is changed.
class RecurringEditorDialog final : public QDialog
{
    Q_OBJECT

public:
    /// What OK does with the transaction (its amount as typed); a refusal
    /// is said and the editor stays open.
    using Save = std::function<EditAnswer(const RecurringTransaction &)>;

    RecurringEditorDialog(const RecurringTransaction &transaction, const QStringList &categories, Save save,
                          Alerts &alerts, QWidget *parent = nullptr);
    ~RecurringEditorDialog() override;

    /// Runs the editor modally; whether the transaction was saved.
    static bool edit(const QString &title, const RecurringTransaction &transaction, const QStringList &categories,
                     const Save &save, Alerts &alerts, QWidget *parent);

    /// The transaction as the form holds it.
    [[nodiscard]] RecurringTransaction transaction() const;

private:
    void showTransaction(const RecurringTransaction &transaction);
    void follow();
    void save();

    std::unique_ptr<Ui::RecurringEditor> _ui;
    Save _save;
    Alerts &_alerts;
    RecurringTransaction _original;
    /// The form shows the original rule; false once the user changes it.
    bool _keepsOriginalRule = false;
};
