#pragma once

#include "DocumentFixtures.h"
#include "FileContents.h"
#include "app/BudgetGridModel.h"
#include "app/MainWindow.h"
#include "app/MyDataSource.h"
#include "document/BudgetDocument.h"
#include "platform/Calendar.h"
#include "platform/RecentFileList.h"
#include "platform/ScriptedAlerts.h"
#include "platform/ScriptedFilePanels.h"
#include "platform/ScriptedModalLoop.h"
#include "platform/Settings.h"
#include "sync/DocumentSync.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

/// The application controller with every desktop service replaced by a
/// scripted double: in-memory settings, alerts, file panels and modal
/// windows answered by script, and a calendar stopped in March.
struct AppFixture
{
    std::unique_ptr<Settings> settings = Settings::inMemory();
    ScriptedAlerts alerts;
    ScriptedFilePanels panels;
    ScriptedModalLoop loop;
    ModalLoop::Scope loopScope{loop};
    FixedCalendar calendar{3};
    RecentFileList recents{*settings};
    QTemporaryDir folder;
    std::unique_ptr<MyDataSource> app;
    std::unique_ptr<QSignalSpy> terminated;
    /// The program start() runs as the Subversion client.
    QString svnClient = DocumentSync::kSvnClient;

    AppFixture()
    {
        settings->registerDefaults();
        // Recovery files and backups stay in this fixture's folder.
        qputenv("XDG_STATE_HOME", folder.filePath(QStringLiteral("state")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    }

    /// Settings of a user who has run this version before (no About at start).
    AppFixture &knownVersion()
    {
        settings->setValue(Settings::kCurrentVersion, QStringLiteral(ORRINWICK_VERSION));
        return *this;
    }

    /// A copy of the sample budget in the temporary folder.
    QString sampleCopy(const QString &name = QStringLiteral("household.txt")) const
    {
        const QString path = folder.filePath(name);
        QFile::remove(path);
        QFile::copy(QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    /// Builds the controller, shows its window and runs start-up.
    MyDataSource &start()
    {
        app = std::make_unique<MyDataSource>(MyDataSource::Services{*settings, alerts, panels, calendar, recents});
        app->sync().setSyncPause(std::chrono::milliseconds(0));
        app->sync().setSvnClient(svnClient);
        terminated = std::make_unique<QSignalSpy>(app.get(), &MyDataSource::terminateRequested);
        app->mainWindow().show();
        app->awakeFromNib();
        return *app;
    }

    /// Types January's budget into the grid as the user would: a change the
    /// program knows of, which Quit, Open and New save.
    [[nodiscard]] bool typeBudget(const QString &value) const
    {
        BudgetGridModel &grid = app->gridModel();
        return grid.setData(grid.index(kBudgetRowIndex, 1), value, Qt::EditRole);
    }

    [[nodiscard]] QStringList rowNames() const { return DocumentFixtures::rowNames(app->document()); }

    [[nodiscard]] static QByteArray contents(const QString &path) { return fileContents(path); }
};
