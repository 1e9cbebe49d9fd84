#pragma once

#include <QObject>

class Alerts;
class MyDataSource;
class WelcomePanel;

/// The first steps in an empty budget: shows the welcome in the grid while
/// the budget has no category (a first start, after New) and carries out
/// its commands. Start with Common Categories creates the ticked categories
/// in one undo step; Open is the File menu's; Import is handed on.
class Welcome final : public QObject
{
    Q_OBJECT

public:
    Welcome(MyDataSource &dataSource, Alerts &alerts, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(Welcome)

    [[nodiscard]] WelcomePanel &panel() const { return *_panel; }
    /// Asks for the categories, then creates them.
    void startWithCommonCategories();

signals:
    /// Import a Bank Statement was pressed.
    void importRequested();

private:
    void update();

    MyDataSource &_dataSource;
    Alerts &_alerts;
    WelcomePanel *_panel;
};
