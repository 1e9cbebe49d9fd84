#include "ScriptDriver.h"

#include "app/BudgetGridModel.h"
#include "app/BudgetGridView.h"
#include "app/MainWindow.h"
#include "app/MyDataSource.h"
#include "app/UndoHistory.h"
#include "document/BudgetDocument.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "safety/DocumentSafety.h"
#include "sync/DocumentSync.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <QToolButton>

#include <cstdio>

namespace {

void startDriver()
{
    const QString script = qEnvironmentVariable("ORRINWICK_SCRIPT");
    if (!script.isEmpty() && qobject_cast<QApplication *>(QCoreApplication::instance()))
        new ScriptDriver(script, qEnvironmentVariable("ORRINWICK_DRIVER_LOG"), QCoreApplication::instance());
}

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

/// The cell in the column of the register's last row with this description.
QModelIndex registerCell(const QTableView &table, const QString &desc, QStringView columnId)
{
    const int descColumn = int(voCheckViewData::columnIds().indexOf(u"desc"));
    for (int row = table.model()->rowCount() - 1; row >= 0; --row) {
        if (table.model()->index(row, descColumn).data(Qt::EditRole).toString() == desc)
            return table.model()->index(row, int(voCheckViewData::columnIds().indexOf(columnId)));
    }
    return {};
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)

ScriptDriver::ScriptDriver(const QString &scriptPath, const QString &logPath, QObject *parent)
    : QObject(parent)
    , _log(logPath)
{
    QFile script(scriptPath);
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("driver: no script %s", qPrintable(scriptPath));
    if (!_log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        qFatal("driver: no log %s", qPrintable(logPath));
    for (const QString &line : QString::fromUtf8(script.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (fields.value(0) == u"answer")
            _answers.insert(fields.value(1), fields.value(2));
        else
            _lines << line;
    }
    connect(&_watcher, &QTimer::timeout, this, &ScriptDriver::watch);
    connect(&_stepper, &QTimer::timeout, this, &ScriptDriver::step);
    _watcher.start(20);
    _stepper.start(20);
}

void ScriptDriver::log(const QString &line)
{
    _log.write((line + u'\n').toUtf8());
}

void ScriptDriver::fail(const QString &why)
{
    log(QStringLiteral("fail %1 %2").arg(now()).arg(why));
    std::fprintf(stderr, "driver: %s\n", qPrintable(why));
    std::_Exit(3);
}

void ScriptDriver::watch()
{
    if (_inWatch)
        return;
    _inWatch = true;
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *box = qobject_cast<QMessageBox *>(modal); box && box->isVisible()) {
        const QString title = box->windowTitle();
        const QString label = _answers.value(title);
        QAbstractButton *button = box->defaultButton();
        for (QAbstractButton *candidate : box->buttons()) {
            if (!label.isEmpty() && candidate->text() == label)
                button = candidate;
        }
        log(QStringLiteral("alert %1 %2\t%3\t%4")
                .arg(now())
                .arg(title, box->text().replace(u'\n', u' '), button ? button->text() : QString()));
        if (button)
            button->click();
    } else if (auto *panel = qobject_cast<QFileDialog *>(modal); panel && panel->isVisible()) {
        log(QStringLiteral("panel %1 %2").arg(now()).arg(panel->windowTitle()));
        panel->reject();
    } else if (modal && modal->isVisible() && _modalAction) {
        std::exchange(_modalAction, {})(modal);
    }
    _inWatch = false;
}

void ScriptDriver::step()
{
    MyDataSource *app = MyDataSource::getMyDataSource();
    // Start-up is over once the fixed rows are there and nothing waits for
    // the user or Subversion. Only the main event loop steps on: an alert
    // just answered is still unwinding its own.
    if (_inStep || !app || app->document().getCatArray().size() < kFirstCategoryRow
        || QApplication::activeModalWidget() || app->sync().updateInFlight() || QThread::currentThread()->loopLevel() > 1)
        return;
    if (_next >= _lines.size()) {
        _stepper.stop();
        return;
    }
    _inStep = true;
    if (_next == 0)
        logSafety(*app);
    const int index = _next++;
    run(_lines[index].split(u'\t'));
    log(QStringLiteral("done %1 %2 %3").arg(index).arg(now()).arg(_lines[index]));
    _inStep = false;
}

void ScriptDriver::logSafety(MyDataSource &app)
{
    connect(&app.undoHistory().stack(), &QUndoStack::indexChanged, this,
            [this] { log(QStringLiteral("change %1").arg(now())); });
    connect(&app.safety(), &DocumentSafety::recoveryWritten, this,
            [this](const QString &, bool ok) { log(QStringLiteral("written %1 %2").arg(now()).arg(ok)); });
}

void ScriptDriver::run(const QStringList &command)
{
    MyDataSource &app = *MyDataSource::getMyDataSource();
    BudgetGridView &grid = *app.mainWindow().tableView();
    const QString &verb = command.value(0);
    if (verb == u"wait") {
        QTest::qWait(command.value(1).toInt());
    } else if (verb == u"save") {
        app.mainWindow().action(MenuCommand::Save)->trigger();
    } else if (verb == u"quit") {
        app.mainWindow().action(MenuCommand::Quit)->trigger();
    } else if (verb == u"trigger") {
        auto *action = app.mainWindow().findChild<QAction *>(command.value(1));
        if (!action)
            fail(QStringLiteral("no action %1").arg(command.value(1)));
        action->trigger();
    } else if (verb == u"budget") {
        toTab(0);
        editCell(grid, app.gridModel().index(kBudgetRowIndex, BudgetGridModel::columnOf(command.value(1))),
                 command.value(2));
    } else if (verb == u"rename") {
        toTab(0);
        const int row = app.document().rowOfCategory(command.value(1));
        if (row < 0)
            fail(QStringLiteral("no category %1").arg(command.value(1)));
        editCell(grid, app.gridModel().index(row, 0), command.value(2));
    } else if (verb == u"category") {
        toTab(0);
        app.mainWindow().findChild<QPushButton *>(QStringLiteral("newCategoryButton"))->click();
        const QModelIndex name = app.gridModel().index(app.gridModel().rowCount() - 1, 0);
        auto *editor = qobject_cast<QLineEdit *>(grid.indexWidget(name));
        if (!editor)
            fail(QStringLiteral("no name editor after New Category"));
        editor->selectAll();
        editor->insert(command.value(1));
        QTest::keyClick(editor, Qt::Key_Return);
        if (!QTest::qWaitFor([&] { return !grid.indexWidget(name); }))
            fail(QStringLiteral("the name editor stayed open"));
    } else if (verb == u"add") {
        toTab(1);
        voCheckViewCtrl &view = app.checkView();
        const int month = MonthTables::findMonth(command.value(1));
        while (view.monthIndex() != month) {
            const char *button = view.monthIndex() < month ? "nextMonthButton" : "previousMonthButton";
            view.findChild<QToolButton *>(QLatin1String(button))->click();
        }
        auto &table = *view.findChild<QTableView *>(QStringLiteral("_ourTableView"));
        view.findChild<QPushButton *>(QStringLiteral("addButton"))->click();
        // Add opens the day's editor: closed as it is. The register may sort
        // after each cell, so rows are found by their description.
        const QModelIndex day = table.currentIndex();
        if (QWidget *dayEditor = table.indexWidget(day)) {
            QTest::keyClick(dayEditor, Qt::Key_Return);
            if (!QTest::qWaitFor([&] { return !table.indexWidget(day); }))
                fail(QStringLiteral("the day editor stayed open"));
        }
        editCell(table, registerCell(table, kInitialDescription, u"desc"), command.value(2));
        editCell(table, registerCell(table, command.value(2), u"amount"), command.value(3));
    } else if (verb == u"envelope") {
        toTab(0);
        const QModelIndex cell = app.gridModel().index(kBudgetRowIndex, BudgetGridModel::columnOf(command.value(1)));
        runModal(editRowNamed("_ourTableView", command.value(2), 1, command.value(3)), [&] {
            grid.setCurrentIndex(cell);
            grid.edit(cell);
        });
    } else if (verb == u"editor-rename") {
        toTab(1);
        runModal(editRowNamed("_ourTable", command.value(1), 0, command.value(2)), [&] {
            app.checkView().findChild<QPushButton *>(QStringLiteral("btnEditCategories"))->click();
        });
    } else {
        fail(QStringLiteral("unknown command %1").arg(verb));
    }
}

void ScriptDriver::editCell(QAbstractItemView &view, const QModelIndex &cell, const QString &text)
{
    view.setCurrentIndex(cell);
    view.edit(cell);
    auto *editor = qobject_cast<QLineEdit *>(view.indexWidget(cell));
    if (!editor)
        fail(QStringLiteral("no line editor on %1/%2").arg(cell.row()).arg(cell.column()));
    editor->selectAll();
    editor->insert(text);
    QTest::keyClick(editor, Qt::Key_Return);
    if (!QTest::qWaitFor([&] { return !view.indexWidget(cell); }))
        fail(QStringLiteral("the editor on %1/%2 stayed open").arg(cell.row()).arg(cell.column()));
}

void ScriptDriver::toTab(int index)
{
    MyDataSource::getMyDataSource()->mainWindow().tabView()->setCurrentIndex(index);
}

void ScriptDriver::runModal(ModalAction action, const std::function<void()> &open)
{
    bool ran = false;
    _modalAction = [action = std::move(action), &ran](QWidget *window) {
        ran = true;
        action(window);
    };
    // Returns once the window the action worked in has closed.
    open();
    if (!ran)
        fail(QStringLiteral("the editor window did not open"));
}

ScriptDriver::ModalAction ScriptDriver::editRowNamed(const char *table, const QString &name, int column,
                                                     const QString &text)
{
    return [=, this](QWidget *window) {
        auto *view = window->findChild<QTableView *>(QLatin1String(table));
        if (!view)
            fail(QStringLiteral("no table %1 in %2").arg(QLatin1String(table), window->windowTitle()));
        int row = 0;
        while (row < view->model()->rowCount() && view->model()->index(row, 0).data().toString() != name)
            ++row;
        if (row == view->model()->rowCount())
            fail(QStringLiteral("no row %1 in %2").arg(name, window->windowTitle()));
        editCell(*view, view->model()->index(row, column), text);
        window->findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
    };
}
