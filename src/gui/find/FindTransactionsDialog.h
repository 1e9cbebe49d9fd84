#pragma once

#include <QDialog>

#include <functional>

class FindResultsModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
struct DocumentSnapshot;
struct FoundTransaction;

/// Edit → Find Transactions: a modeless window that searches every month's
/// register of the year as the user types, lists what it finds with its
/// total, and asks for the register on a found transaction when one is
/// activated (Enter, double click, or the Show in Register button).
class FindTransactionsDialog final : public QDialog
{
    Q_OBJECT

public:
    /// `source` answers the year as it stands, edits in the register not yet
    /// written back included.
    explicit FindTransactionsDialog(std::function<DocumentSnapshot()> source, QWidget *parent = nullptr);
    ~FindTransactionsDialog() override;
    Q_DISABLE_COPY_MOVE(FindTransactionsDialog)

    /// The year changed: the list is searched again soon, or when the window
    /// is next activated.
    void markStale();
    /// Puts the focus in the search field with its text selected.
    void focusSearchField();

    [[nodiscard]] FindResultsModel &results() const { return *_model; }
    [[nodiscard]] QTableView &resultsView() const { return *_view; }

    /// Closes the window and gives the keyboard back to the main window.
    void done(int result) override;

signals:
    /// The user activated a found transaction.
    void showRequested(const FoundTransaction &transaction);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search();
    void refreshIfStale();
    void showCurrent();
    void updateSummary();

    std::function<DocumentSnapshot()> _source;
    FindResultsModel *_model;
    QLineEdit *_field;
    QTableView *_view;
    QLabel *_summary;
    QPushButton *_showButton;
    QTimer *_staleTimer;
    bool _stale = true;
};
