#pragma once

#include "BudgetGridEdits.h"

#include <QObject>

class Alerts;
class BudgetDocument;
class DocumentEditing;
class BudgetGridModel;
class BudgetGridView;
class MainWindow;
class QPushButton;

/// The budget grid's data source: commits its edits, moves rows dropped on
/// it, decides which cells enter editing (a Budget-row month in envelope mode
/// opens the envelope editor instead) and carries out New Category and
/// Delete Category. Owns the grid's model and connects the grid's buttons.
class BudgetGridSource final : public QObject, public BudgetGridEdits
{
    Q_OBJECT

public:
    BudgetGridSource(DocumentEditing &edits, Alerts &alerts, MainWindow &mainWindow,
                     QPushButton &fillEnvelope, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(BudgetGridSource)

    [[nodiscard]] BudgetGridModel &model() const { return *_gridModel; }
    [[nodiscard]] bool envelopeView() const;
    /// Envelope mode on or off: the Budget row and the register's envelope button follow.
    void setEnvelopeView(bool on);

    bool setObjectValue(const QString &value, const QString &columnId, int row) override;
    /// Whether the cell may enter in-place editing; a Budget-row month in
    /// envelope mode opens the envelope editor instead.
    bool shouldEditTableColumn(const QString &columnId, int row);
    /// Puts the dragged rows on the pasteboard; the fixed rows are not dragged.
    bool writeRowsWithIndexes(const QList<int> &rows, QMimeData &pasteboard) const override;
    [[nodiscard]] bool validateDrop(int proposedRow) const override;
    bool acceptDrop(const QMimeData &pasteboard, int row) override;

    /// Redraws the grid.
    void updateView();
    void btnNewCategory();
    void btnDeleteCategory();

private:
    [[nodiscard]] int numberOfRowsInTableView() const;
    [[nodiscard]] int selectedRow() const;

    DocumentEditing &_edits;
    BudgetDocument *_document;
    Alerts &_alerts;
    MainWindow &_mainWindow;
    BudgetGridView *_ourTableView;
    QPushButton &_fillEnvelope;
    BudgetGridModel *_gridModel;
};
