// The tunnel helper started at launch: where it is looked for, when it is
// started, and that it outlives the program.

#include "document/BudgetDocument.h"
#include "platform/ScriptedAlerts.h"
#include "platform/Settings.h"
#include "sync/DocumentHost.h"
#include "sync/DocumentSync.h"
#include "sync/TunnelHelperLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QString kHelperResources = QStringLiteral(ORRINWICK_TEST_DATA "/sync");

class RecordingLog final : public SystemLog
{
public:
    void write(const QString &line) override { lines << line; }
    QStringList lines;
};

/// Launching the helper asks nothing of the application controller.
class IdleHost final : public DocumentHost
{
public:
    [[nodiscard]] QString dataFileName() const override { return {}; }
    void setFileName(const QString &) override { }
    void fileMissing(const QString &) override { }
    void initView() override { }
    [[nodiscard]] std::unique_ptr<ProgressWindow> startProgress(const QString &) override { return nullptr; }
};

/// Whether a process lives and is no zombie.
bool isRunning(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype afterName = line.lastIndexOf(") ");
    return afterName >= 0 && line.mid(afterName + 2, 1) != "Z";
}

} // namespace

class tst_SyncTunnelHelper : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startedOnceWithoutArgumentsAndOutlivesTheProgram();
    void notStartedUnlessBothSettingsAreOn_data();
    void notStartedUnlessBothSettingsAreOn();
    void missingHelperIsReportedAndStartUpGoesOn_data();
    void missingHelperIsReportedAndStartUpGoesOn();
    void helperLiesInTheResourcesFolder_data();
    void helperLiesInTheResourcesFolder();

private:
    QTemporaryDir _folder;
    std::unique_ptr<Settings> _settings;
    ScriptedAlerts _alerts;
    RecordingLog _log;
    BudgetDocument _document;
    IdleHost _host;
    std::unique_ptr<DocumentSync> _sync;
    std::optional<qint64> _helperPid;
};

void tst_SyncTunnelHelper::init()
{
    QVERIFY(_folder.isValid());
    QFile::remove(_folder.filePath(QStringLiteral("marker")));
    qputenv("ORRINWICK_TEST_HELPER_MARKER", _folder.filePath(QStringLiteral("marker")).toLocal8Bit());
    _settings = Settings::inMemory();
    _settings->registerDefaults();
    _settings->setValue(Settings::kSyncData, true);
    _settings->setValue(Settings::kSvnRunScript, true);
    // A key that once moved the helper's folder is a plain unknown key now.
    _settings->setValue(QStringLiteral("TestResourcesFolder"), _folder.path());
    _alerts.clear();
    _log.lines.clear();
    _sync = std::make_unique<DocumentSync>(_document, _host, *_settings, _alerts, nullptr);
    _sync->setSystemLog(_log);
    _sync->setResourcesFolder(kHelperResources);
}

void tst_SyncTunnelHelper::cleanup()
{
    _sync.reset();
    if (_helperPid)
        ::kill(pid_t(*std::exchange(_helperPid, std::nullopt)), SIGTERM);
}

void tst_SyncTunnelHelper::startedOnceWithoutArgumentsAndOutlivesTheProgram()
{
    const QString executable = kHelperResources + QStringLiteral("/Pellmarsh.app/Pellmarsh");

    _sync->launchTunnelHelper();
    _sync->launchTunnelHelper();
    _helperPid = _sync->sshTask();
    QVERIFY(_helperPid);

    // The helper writes the number of its arguments, one line per start.
    QFile marker(_folder.filePath(QStringLiteral("marker")));
    QTRY_VERIFY(marker.exists() && marker.size() > 0);
    QTest::qWait(200);
    QVERIFY(marker.open(QIODevice::ReadOnly));
    QCOMPARE(marker.readAll(), QByteArray("0\n"));
    QCOMPARE(_log.lines, QStringList{QStringLiteral("Launch[%1]\n").arg(executable)});
    QCOMPARE(_alerts.shown().size(), 1);
    QCOMPARE(_alerts.shown().first().title, QStringLiteral("Continue"));
    QCOMPARE(_alerts.shown().first().message, QStringLiteral("Continue launching Orrinwick"));
    QCOMPARE(ScriptedAlerts::buttonsOf(_alerts.shown().first()), QList{Alerts::Button::Ok});

    _sync.reset(); // the program quits
    QTest::qWait(100);
    QVERIFY(isRunning(*_helperPid));
}

void tst_SyncTunnelHelper::notStartedUnlessBothSettingsAreOn_data()
{
    QTest::addColumn<bool>("syncData");
    QTest::addColumn<bool>("runScript");
    QTest::newRow("SyncData off") << false << true;
    QTest::newRow("SVNRunScript off") << true << false;
}

void tst_SyncTunnelHelper::notStartedUnlessBothSettingsAreOn()
{
    QFETCH(bool, syncData);
    QFETCH(bool, runScript);
    _settings->setValue(Settings::kSyncData, syncData);
    _settings->setValue(Settings::kSvnRunScript, runScript);

    _sync->launchTunnelHelper();

    QVERIFY(!_sync->sshTask());
    QVERIFY(_log.lines.isEmpty());
    QVERIFY(_alerts.shown().isEmpty());
}

void tst_SyncTunnelHelper::missingHelperIsReportedAndStartUpGoesOn_data()
{
    QTest::addColumn<QString>("bundleFile");
    QTest::addColumn<bool>("executable");
    QTest::newRow("no bundle") << QString() << false;
    QTest::newRow("bundle without its executable") << QStringLiteral("Pellmarsh.app/Info.plist") << false;
    QTest::newRow("executable without permission") << QStringLiteral("Pellmarsh.app/Pellmarsh") << false;
    QTest::newRow("bundle folder named like the executable")
        << QStringLiteral("Pellmarsh.app/Pellmarsh/Pellmarsh") << true;
}

void tst_SyncTunnelHelper::missingHelperIsReportedAndStartUpGoesOn()
{
    QFETCH(QString, bundleFile);
    QFETCH(bool, executable);
    QTemporaryDir resources;
    if (!bundleFile.isEmpty()) {
        QVERIFY(QDir(resources.path()).mkpath(QFileInfo(bundleFile).path()));
        QFile file(resources.filePath(bundleFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (executable)
            QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
    }
    _sync->setResourcesFolder(resources.path());

    _sync->launchTunnelHelper();

    QVERIFY(!_sync->sshTask());
    QCOMPARE(_alerts.titles(), QStringList{QStringLiteral("WARNING")});
    QCOMPARE(_alerts.shown().first().message,
             QStringLiteral("Tunnel helper %1/Pellmarsh.app/Pellmarsh not found!\nContinuing without it.")
                 .arg(resources.path()));
    QVERIFY(_log.lines.isEmpty());
}

void tst_SyncTunnelHelper::helperLiesInTheResourcesFolder_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("executable");
    QTest::newRow("installed") << QStringLiteral("/usr/bin")
                               << QStringLiteral("/usr/share/orrinwick/Pellmarsh.app/Pellmarsh");
    QTest::newRow("installed under a prefix")
        << QStringLiteral("/opt/orrinwick/bin/")
        << QStringLiteral("/opt/orrinwick/share/orrinwick/Pellmarsh.app/Pellmarsh");
    QTest::newRow("build tree") << QStringLiteral("/work/build")
                                << QStringLiteral("/work/build/Pellmarsh.app/Pellmarsh");
    QTest::newRow("folder ending in bin") << QStringLiteral("/home/ann/cabin")
                                          << QStringLiteral("/home/ann/cabin/Pellmarsh.app/Pellmarsh");
}

void tst_SyncTunnelHelper::helperLiesInTheResourcesFolder()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, executable);
    const TunnelHelperLocation helper(TunnelHelperLocation::resourcesFolderFor(programFolder));

    QCOMPARE(helper.executablePath(), executable);
    QCOMPARE(helper.bundlePath() + QStringLiteral("/Pellmarsh"), executable);
}

QTEST_GUILESS_MAIN(tst_SyncTunnelHelper)
#include "tst_synctunnelhelper.moc"
