#pragma once

#include <QFrame>

class QPushButton;
class QTableView;

/// The few lines and three buttons the budget grid shows in its empty area
/// while the budget has no category. It lies in the grid's viewport below
/// the last row, so it never covers a figure, and moves as the rows do.
class WelcomePanel final : public QFrame
{
    Q_OBJECT

public:
    explicit WelcomePanel(QTableView &grid);

    [[nodiscard]] QPushButton &commonCategoriesButton() const { return *_common; }
    [[nodiscard]] QPushButton &openButton() const { return *_open; }
    [[nodiscard]] QPushButton &importButton() const { return *_import; }

signals:
    void commonCategoriesRequested();
    void openRequested();
    void importRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Below the rows, as wide as the viewport and as high as what is left.
    void place();

    QTableView &_grid;
    QPushButton *_common;
    QPushButton *_open;
    QPushButton *_import;
};
