#pragma once

#include "MenuCommand.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class BudgetGridView;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace Ui {
class MainMenu;
}

/// The main window from its layout: the tab view with the budget grid and
/// the register, the grid's buttons and the menus. It holds no logic: the
/// application controller connects to its actions and answers its close.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] BudgetGridView *tableView() const;
    [[nodiscard]] QTabWidget *tabView() const;
    /// The menu item of one of the window's commands.
    [[nodiscard]] QAction *action(MenuCommand command) const;
    [[nodiscard]] QMenu *menu(MainMenuName name) const;
    /// Puts another part's items into the menus, in their order; a null
    /// item stands for a separator.
    void insertActions(MenuPlace place, const QList<QAction *> &actions);
    /// Puts another part's menu into the menu bar, before the Window menu.
    void insertMenuBeforeWindow(QMenu *menu);
    /// Selects the grid's tab (tab 0).
    void showGrid();
    /// Puts the register's view on the second tab.
    void setRegisterView(QWidget *view);

    /// Called instead of closing when the user closes the window: the quit
    /// command decides whether the program ends.
    void setCloseHandler(std::function<void()> handler) { _closeHandler = std::move(handler); }
    /// Called each time the window becomes the active one.
    void setActivationHandler(std::function<void()> handler) { _activationHandler = std::move(handler); }
    /// Says in the status bar what happened to the document without being asked.
    void showNote(const QString &text);
    /// A lasting note in the status bar while crash protection is off.
    void showCrashProtection(bool on);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    std::unique_ptr<Ui::MainMenu> _ui;
    QLabel *_crashProtectionOff;
    std::function<void()> _closeHandler;
    std::function<void()> _activationHandler;
};
