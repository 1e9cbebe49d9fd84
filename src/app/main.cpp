#include "CommandLineModes.h"
#include "MainWindow.h"
#include "MyDataSource.h"

#include "platform/DesktopRecentDocuments.h"
#include "platform/QtAlerts.h"
#include "platform/QtFilePanels.h"
#include "platform/RecentFileList.h"
#include "platform/Settings.h"
#include "platform/Calendar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSessionManager>

namespace {

/// What the window run was asked for on the command line.
struct WindowArguments
{
    QString file;
    bool quitWhenShown = false;
};

WindowArguments windowArguments(const QStringList &arguments)
{
    WindowArguments result;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--quit-when-shown"))
            result.quitWhenShown = true;
        else if (result.file.isEmpty() && !argument.startsWith(u'-'))
            result.file = argument;
    }
    return result;
}

int runWindow(QApplication &app, const WindowArguments &arguments)
{
    const std::unique_ptr<Settings> settings = Settings::user();
    settings->registerDefaults();
    QtAlerts alerts;
    QtFilePanels filePanels;
    SystemCalendar calendar;
    DesktopRecentDocuments desktopRecents;
    RecentFileList recents(*settings, &desktopRecents);
    MyDataSource dataSource({*settings, alerts, filePanels, calendar, recents});
    alerts.setParentWindow(&dataSource.mainWindow());

    QObject::connect(&dataSource, &MyDataSource::terminateRequested, &app, [] { QCoreApplication::exit(0); });
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

    if (CommandLineModes::isHeadless(arguments)) {
        QCoreApplication app(argc, argv);
        return CommandLineModes::run(arguments).value_or(0);
    }

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orrinwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Orrinwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORRINWICK_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orrinwick"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orrinwick.Orrinwick"));
    return runWindow(app, windowArguments(arguments));
}
