#pragma once

#include "editing/CategoryEdits.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

/// Start with Common Categories: the common categories of a household in
/// the user's language, each with a tick box and an optional monthly
/// amount. Typing an amount ticks its category.
class CommonCategoriesDialog final : public QDialog
{
    Q_OBJECT

public:
    /// `envelopes`: the amounts become envelopes (else their sum the budget),
    /// which the dialog says.
    explicit CommonCategoriesDialog(bool envelopes, QWidget *parent = nullptr);

    /// The names offered, in their order.
    [[nodiscard]] static QStringList commonNames();
    /// The ticked categories with their amounts as typed.
    [[nodiscard]] QList<CategoryEdits::NewCategory> chosen() const;

    /// Shows the window and waits until it closes; true for OK.
    bool run();

private:
    struct Line
    {
        QCheckBox *tick;
        QLineEdit *amount;
    };
    QList<Line> _lines;
};
