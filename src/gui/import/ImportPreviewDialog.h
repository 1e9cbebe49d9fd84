#pragma once

#include "import/ImportPlan.h"
#include "import/StatementSource.h"

#include <QDialog>

#include <memory>

class Alerts;
class BudgetDocument;
class ImportPreviewModel;
class ImportSettings;
class QComboBox;
namespace Ui {
class ImportPreview;
}

/// The preview of an import: the statement's lines with what will become
/// of each, the budget year, the date order and, for CSV, the columns.
/// Every choice reads and plans the statement again at once; nothing
/// touches the document. Import closes it accepted, with the year, the CSV
/// layout and the rules saved.
class ImportPreviewDialog final : public QDialog
{
    Q_OBJECT

public:
    /// `dataFile` is the budget's path, under which the year is remembered
    /// (not when empty). Asks for the date order when the dates leave it open.
    ImportPreviewDialog(StatementSource source, const BudgetDocument &document, ImportSettings &settings,
                        Alerts &alerts, const QString &dataFile, QWidget *parent = nullptr);
    ~ImportPreviewDialog() override;

    [[nodiscard]] ImportPreviewModel &model() const { return *_model; }
    /// The plan as the user left it.
    [[nodiscard]] const ImportPlan &plan() const;
    /// Shows the dialog and waits until it is closed; true when Import closed it.
    bool run();

private:
    void fillColumnBoxes();
    void showChoices();
    void readChoices();
    /// Reads and plans the statement again, keeping the user's own ticks and categories.
    void replan();
    void updateSummary();
    void editRules();
    void saveAsRule();
    /// Opens the split editor on the selected line.
    void splitLine();
    void importAccepted();
    /// The common categories of a household the budget and the plan lack,
    /// offered for lines as new categories.
    [[nodiscard]] QStringList commonNamesLeft() const;
    [[nodiscard]] QList<QComboBox *> columnBoxes() const;

    std::unique_ptr<Ui::ImportPreview> _ui;
    StatementSource _source;
    const BudgetDocument &_document;
    ImportSettings &_settings;
    Alerts &_alerts;
    QString _dataFile;
    ImportPreviewModel *_model;
    ReadChoices _choices;
    StatementRead _read;
    /// The user's own ticks and categories, by line, kept across replans.
    QHash<int, bool> _ticks;
    QHash<int, QString> _chosen;
    /// The parts the user gave lines in the split editor (none: put back whole).
    QHash<int, QList<PlannedPart>> _splits;
    /// The categories the user added for lines, kept across replans.
    QStringList _added;
};
