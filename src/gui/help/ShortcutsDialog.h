#pragma once

#include <QDialog>

class QTableWidget;

/// Help → Keyboard Shortcuts: a table of every shortcut of a window, built
/// from its actions each time it opens.
class ShortcutsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit ShortcutsDialog(QWidget &window, QWidget *parent = nullptr);

    [[nodiscard]] QTableWidget &table() const { return *_table; }

private:
    QTableWidget *_table;
};
