#pragma once

#include <QObject>

class Alerts;
class MyDataSource;
class QAction;

/// Split… on the register's selected record (Edit menu, the register's
/// button and the record's context menu): opens the split editor on it,
/// which splits it, changes its split or unsplits it.
class SplitCommands final : public QObject
{
    Q_OBJECT

public:
    SplitCommands(MyDataSource &dataSource, Alerts &alerts, QObject *parent = nullptr);

    [[nodiscard]] QAction *splitAction() const { return _splitAction; }
    void split();

private:
    MyDataSource &_dataSource;
    Alerts &_alerts;
    QAction *_splitAction;
};
