#pragma once

#include <QObject>

class QAbstractItemView;

/// The keys of a table that the user edits cell by cell, on top of Qt's:
/// Enter edits the current cell (most desktops bind only F2), and Tab past
/// the last cell, or Shift+Tab before the first, moves on to the next
/// control instead of wrapping around, so the keyboard never stays caught
/// in the table.
class CellKeys final : public QObject
{
    Q_OBJECT

public:
    /// Gives the view these keys for its lifetime.
    static void install(QAbstractItemView &view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit CellKeys(QAbstractItemView &view);

    QAbstractItemView &_view;
    bool _passing = false;
};
