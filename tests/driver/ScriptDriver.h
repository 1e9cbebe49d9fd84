#pragma once

#include <QFile>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class MyDataSource;
class QAbstractItemView;
class QWidget;

/// Plays a script through the real widgets of the running program, for the
/// tests that start it as a process and kill it. Linked into the test-only
/// program `orrinwick_driven` and active only when ORRINWICK_SCRIPT names a
/// script; what it did goes, one line each, to ORRINWICK_DRIVER_LOG.
///
/// Script lines (one command each, fields separated by tabs):
///     answer  TITLE  BUTTON       alerts titled TITLE are answered with BUTTON
///     budget  MONTH  AMOUNT       the Budget row's cell of the month, in the grid
///     rename  NAME  NEW           a category's name cell in the grid
///     category  NAME              the New Category button, then the name typed
///     add  MONTH  DESC  AMOUNT    the register's Add button, then the cells typed
///     envelope  MONTH  NAME  AMOUNT   the envelope editor opened from the grid
///     editor-rename  NAME  NEW    the category editor opened from the register
///     trigger  ACTION             a menu command by its object name ("actionPreferences")
///     save | quit | wait MS
/// Log lines: "done N TIME COMMAND", "alert TIME TITLE\tMESSAGE\tBUTTON",
/// "change TIME", "written TIME OK", TIME being milliseconds since the epoch.
class ScriptDriver final : public QObject
{
    Q_OBJECT

public:
    explicit ScriptDriver(const QString &scriptPath, const QString &logPath, QObject *parent = nullptr);

private:
    using ModalAction = std::function<void(QWidget *window)>;

    void watch();
    void step();
    /// Logs every recorded change ("change TIME") and every recovery write ("written TIME OK").
    void logSafety(MyDataSource &app);
    void run(const QStringList &command);
    void log(const QString &line);
    [[noreturn]] void fail(const QString &why);

    void editCell(QAbstractItemView &view, const QModelIndex &cell, const QString &text);
    void toTab(int index);
    void runModal(ModalAction action, const std::function<void()> &open);
    [[nodiscard]] ModalAction editRowNamed(const char *table, const QString &name, int column, const QString &text);

    QStringList _lines;
    int _next = 0;
    QHash<QString, QString> _answers;
    QFile _log;
    QTimer _watcher;
    QTimer _stepper;
    ModalAction _modalAction;
    bool _inStep = false;
    bool _inWatch = false;
};
