#include "CommandLineModes.h"
#include "DesktopCommands.h"
#include "DesktopHabits.h"
#include "MainWindow.h"
#include "MyDataSource.h"
#include "WindowApplication.h"
#include "YearCommands.h"

#include "help/HelpCommands.h"
#include "import/ImportCommand.h"
#include "planning/ComparisonCommands.h"
#include "planning/PlanningCommands.h"
#include "recurring/RecurringCommands.h"
#include "splits/SplitCommands.h"
#include "tags/TagsCommands.h"
#include "welcome/Welcome.h"

#include "platform/DesktopRecentDocuments.h"
#include "platform/FileDropHandler.h"
#include "platform/QtAlerts.h"
#include "platform/QtFilePanels.h"
#include "platform/RecentFileList.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"
#include "platform/StderrAlerts.h"
#include "platform/Calendar.h"
#include "platform/Translations.h"

#include "document/BudgetDocument.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSessionManager>
#include <QTimer>

#include <vector>

namespace {

/// What the window run was asked for on the command line.
struct WindowArguments
{
    QString file;
    bool quitWhenShown = false;
};

WindowArguments windowArguments(const CommandLineModes::Invocation &invocation)
{
    WindowArguments result;
    // Remembered as the data file, and maybe handed to a program that runs
    // in another folder: relative paths would not last.
    if (!invocation.operands.isEmpty())
        result.file = QFileInfo(invocation.operands.first()).absoluteFilePath();
    result.quitWhenShown = invocation.has(QStringLiteral("--quit-when-shown"));
    return result;
}

/// Opens a file handed over by another start once no modal window runs:
/// the editors and alerts work on the document that the open replaces.
void openWhenNoModalWindow(MyDataSource &dataSource, const QString &path)
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(200, &dataSource, [&dataSource, path] { openWhenNoModalWindow(dataSource, path); });
        return;
    }
    dataSource.openFile(path);
}

/// Holds a share of every entry list until the program has ended, so that
/// the window's end does not free a million entries one by one: the system
/// takes the memory back at once. Held in a static, the lists stay
/// reachable, so leak checkers do not report them.
void leaveEntriesToTheEnd(const BudgetDocument &document)
{
    static auto *const kept = new std::vector<MonthLists>;
    for (const auto &[name, lists] : document.getCatDataDictionary())
        kept->push_back(lists);
}

void bringForward(QWidget &window)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

int runWindow(QApplication &app, const WindowArguments &arguments)
{
    // One program per user: a second start hands its file over and ends. A
    // start that only measures start-up and quits keeps out of it.
    SingleInstance instance;
    if (!arguments.quitWhenShown) {
        if (instance.handOver(arguments.file))
            return 0;
        if (!instance.listen() && instance.isAnswering()) {
            // One that started at the same moment, or one too busy to answer
            // in time: never a second window saving over the same file.
            if (instance.handOver(arguments.file))
                return 0;
            StderrAlerts().warning(QCoreApplication::translate(
                "main", "Orrinwick is already running but does not answer. Try again in a moment."));
            return 1;
        }
    }

    const std::unique_ptr<Settings> settings = Settings::user();
    settings->registerDefaults();
    QtAlerts alerts;
    QtFilePanels filePanels;
    SystemCalendar calendar;
    DesktopRecentDocuments desktopRecents;
    RecentFileList recents(*settings, &desktopRecents);
    MyDataSource dataSource({*settings, alerts, filePanels, calendar, recents});
    alerts.setParentWindow(&dataSource.mainWindow());
    DesktopCommands commands(dataSource, filePanels, alerts);
    DesktopHabits habits(dataSource, *settings);
    YearCommands yearCommands(dataSource, filePanels, alerts);
    PlanningCommands planningCommands(dataSource, filePanels, alerts);
    ComparisonCommands comparisonCommands(dataSource, planningCommands, filePanels, alerts);
    TagsCommands tagsCommands(dataSource, filePanels, alerts);
    ImportCommand importCommand(dataSource, *settings, filePanels, alerts);
    RecurringCommands recurringCommands(dataSource, *settings, alerts);
    SplitCommands splitCommands(dataSource, alerts);
    HelpCommands help(dataSource, *settings);
    Welcome welcome(dataSource, alerts);
    QObject::connect(&welcome, &Welcome::importRequested, &importCommand, &ImportCommand::menuImport);
    // A dropped file that is no budget is taken for a bank statement.
    QObject::connect(&habits.drops(), &FileDropHandler::otherFileDropped, &importCommand,
                     &ImportCommand::importStatementFile);

    QObject::connect(&instance, &SingleInstance::raiseRequested, &dataSource,
                     [&dataSource] { bringForward(dataSource.mainWindow()); });
    QObject::connect(&instance, &SingleInstance::openRequested, &dataSource,
                     [&dataSource](const QString &path) { openWhenNoModalWindow(dataSource, path); });

    QObject::connect(&dataSource, &MyDataSource::terminateRequested, &app, [&dataSource] {
        leaveEntriesToTheEnd(dataSource.document());
        QCoreApplication::exit(0);
    });
    // The session may end the program at any time: save as Quit does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &dataSource, [&dataSource](QSessionManager &) {
        dataSource.menuQuit();
    });
    QObject::connect(&dataSource, &MyDataSource::startupFinished, &dataSource, [&dataSource, arguments] {
        if (!arguments.file.isEmpty())
            dataSource.openFile(arguments.file);
        if (arguments.quitWhenShown)
            dataSource.menuQuit();
    }, Qt::SingleShotConnection);

    dataSource.mainWindow().show();
    QMetaObject::invokeMethod(&dataSource, &MyDataSource::awakeFromNib, Qt::QueuedConnection);
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const CommandLineModes::Invocation invocation = CommandLineModes::read(arguments);
    if (!invocation.opensWindow()) {
        std::unique_ptr<QCoreApplication> app;
        if (CommandLineModes::paints(invocation)) {
            // Text layout needs the GUI library's fonts, never a display.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        Translations::install();
        return CommandLineModes::run(invocation);
    }

    const std::unique_ptr<QApplication> app = startWindowApplication(argc, argv);
    Translations::install();
    QCoreApplication::setOrganizationName(QStringLiteral("Orrinwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Orrinwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORRINWICK_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orrinwick"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orrinwick.Orrinwick"));
    return runWindow(*app, windowArguments(invocation));
}
