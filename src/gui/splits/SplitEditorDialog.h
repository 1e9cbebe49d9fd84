#pragma once

#include "document/Decimal.h"
#include "editing/EditAnswer.h"
#include "editing/SplitEdits.h"

#include <QDialog>
#include <QList>

#include <functional>

class Alerts;
class CategoryComboBox;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

/// The split editor: a record's day, description and total, one line per
/// part (category, amount, note), what is left to assign as the user types,
/// Distribute Evenly, and Unsplit on a record that is already split. OK only
/// when every part has a category and the parts add up exactly to the total.
class SplitEditorDialog final : public QDialog
{
    Q_OBJECT

public:
    /// What the record is: its day, description and total.
    struct Whole
    {
        QString day;
        QString desc;
        Decimal total;
    };
    /// What OK does with the parts (amounts as typed); a refusal is said
    /// and the editor stays open.
    using Save = std::function<EditAnswer(const QList<SplitPart> &)>;
    /// What Unsplit does; none when the record is not split.
    using Unsplit = std::function<EditAnswer()>;

    SplitEditorDialog(const Whole &whole, const QList<SplitPart> &parts, const QStringList &categories, Save save,
                      Unsplit unsplit, Alerts &alerts, QWidget *parent = nullptr);

    /// Runs the editor modally; whether it changed the record.
    static bool edit(const Whole &whole, const QList<SplitPart> &parts, const QStringList &categories,
                     const Save &save, const Unsplit &unsplit, Alerts &alerts, QWidget *parent);

    /// The parts as the form holds them: each line's listed category (empty
    /// when what is typed is none), amount and note as typed.
    [[nodiscard]] QList<SplitPart> parts() const;
    /// The total less the parts typed; none while an amount cannot be read.
    [[nodiscard]] std::optional<Decimal> leftToAssign() const;

    /// Gives every part the same share of the total; the cents that do not
    /// divide go one by one to the first parts.
    void distributeEvenly();
    void addPart(const SplitPart &part = {});
    /// Removes the last part, down to two.
    void removeLastPart();

private:
    struct Line
    {
        CategoryComboBox *category = nullptr;
        QLineEdit *amount = nullptr;
        QLineEdit *note = nullptr;
    };
    void follow();
    void save();
    void unsplit();

    const Whole _whole;
    const QStringList _categories;
    Save _save;
    Unsplit _unsplit;
    Alerts &_alerts;
    QList<Line> _lines;
    QGridLayout *_grid = nullptr;
    QLabel *_left = nullptr;
    QPushButton *_add = nullptr;
    QPushButton *_remove = nullptr;
    QDialogButtonBox *_buttons = nullptr;
};
